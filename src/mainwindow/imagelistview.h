// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <functional>

// A photo list that takes drops only from the sources its owner accepts,
// and reports where they land: the row under the mouse, or the end.
class TImageListView : public QListView {
  Q_OBJECT
public:
  explicit TImageListView(QWidget* parent = nullptr);

  std::function<bool(QObject* source)> AcceptsSource;
  std::function<void(QObject* source, int index)> OnDropAt;

  [[nodiscard]] int DropIndexAt(QPoint position) const;

protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};
