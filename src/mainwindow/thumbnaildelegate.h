// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class QFontMetrics;

// The captions of the thumbnail lists: up to two lines of the name under
// each thumbnail, broken between its parts. A name too long for two lines
// shows its end whole on the second line and its start on the first (cut
// short with "…"), so the part that tells photo_000123.jpg from
// photo_000124.jpg stays in sight (the tool tip gives the whole name).
class TThumbnailDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  // textWidth: the room for a caption line, in pixels.
  TThumbnailDelegate(int textWidth, QObject* parent = nullptr);

  [[nodiscard]] static QStringList CaptionLines(const QFontMetrics& metrics, const QString& text, int width);

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
  int FTextWidth;
};
