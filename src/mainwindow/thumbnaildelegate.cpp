// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnaildelegate.h"

#include <QFontMetrics>

TThumbnailDelegate::TThumbnailDelegate(int textWidth, QObject* parent)
    : QStyledItemDelegate(parent), FTextWidth(textWidth) {}

QStringList TThumbnailDelegate::CaptionLines(const QFontMetrics& metrics, const QString& text, int width) {
  if (text.isEmpty() || metrics.horizontalAdvance(text) <= width) return {text};
  // The second line holds the longest end that fits (from a word's start
  // when it holds a blank), the first the rest, cut short at its end when
  // it is too long.
  qsizetype from = text.size() - 1;
  while (from > 1 && metrics.horizontalAdvance(text.mid(from - 1)) <= width) --from;
  if (const qsizetype blank = text.indexOf(u' ', from); blank >= 0 && blank + 1 < text.size()) from = blank + 1;
  const QString first = text.left(from).trimmed();
  return {metrics.elidedText(first, Qt::ElideRight, width), text.mid(from)};
}

void TThumbnailDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (option->text.isEmpty()) return;
  option->text = CaptionLines(option->fontMetrics, option->text, FTextWidth).join(QChar::LineSeparator);
  option->features |= QStyleOptionViewItem::WrapText;
  option->textElideMode = Qt::ElideMiddle;
}
