// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnaildelegate.h"

#include <QFontMetrics>

TThumbnailDelegate::TThumbnailDelegate(int textWidth, QObject* parent)
    : QStyledItemDelegate(parent), FTextWidth(textWidth) {}

QStringList TThumbnailDelegate::CaptionLines(const QFontMetrics& metrics, const QString& text, int width) {
  const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; };
  if (text.isEmpty() || fits(text)) return {text};
  // Two whole lines, broken at the first place between the name's parts
  // that lets both fit: after a blank, "_" or "-", before a "." or before a
  // number ("photo_" / "000123.jpg", "DSCN" / "0010.jpg").
  for (qsizetype at = 1; at < text.size(); ++at) {
    const QChar before = text[at - 1], here = text[at];
    const bool place = before == u' ' || before == u'_' || before == u'-' || here == u'.' ||
                       (here.isDigit() && !before.isDigit());
    if (place && fits(text.left(at).trimmed()) && fits(text.mid(at))) return {text.left(at).trimmed(), text.mid(at)};
  }
  // Else the second line holds the longest end that fits, the first the
  // rest, cut short at its end when it is too long.
  qsizetype from = text.size() - 1;
  while (from > 1 && fits(text.mid(from - 1))) --from;
  return {metrics.elidedText(text.left(from).trimmed(), Qt::ElideRight, width), text.mid(from)};
}

void TThumbnailDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (option->text.isEmpty()) return;
  option->text = CaptionLines(option->fontMetrics, option->text, FTextWidth).join(QChar::LineSeparator);
  option->features |= QStyleOptionViewItem::WrapText;
  option->textElideMode = Qt::ElideMiddle;
}

#include "moc_thumbnaildelegate.cpp"
