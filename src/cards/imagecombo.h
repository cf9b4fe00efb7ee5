// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <memory>

class TJobQueue;

// A list of image files drawn as 50-pixel pictures (patterns tiled,
// ornaments fitted), each item holding its file's path. The list opens at
// once with the names; small icons, read at reduced size on a worker in
// folder order, fill in as they come. A file that is not an image stays
// listed by its name. The card itself never draws from these icons.
class TImageCombo : public QComboBox {
  Q_OBJECT
public:
  enum TKind { Ornaments, Patterns };
  static constexpr int ItemHeight = 50;
  static constexpr int PathRole = Qt::UserRole + 1;
  static constexpr int IconRole = Qt::UserRole + 2;

  TImageCombo(TKind kind, QWidget* parent = nullptr);
  ~TImageCombo() override;

  // Lists the folder's image files (patterns: "*.bmp" in any case), after a
  // "None" item when withNone.
  void Fill(const QString& folder, bool withNone);
  // Adds a path not in the folder (shown by its file name); its index.
  int AddPath(const QString& path);
  [[nodiscard]] QString PathAt(int index) const;
  [[nodiscard]] int IndexOfPath(const QString& path) const;
  // The icons still being read.
  [[nodiscard]] int PendingIcons() const { return FPending; }

signals:
  void IconsDone();

private:
  void QueueIcon(int row, const QString& path);
  TKind FKind;
  int FPending = 0;
  int FGeneration = 0;
  std::unique_ptr<TJobQueue> FQueue;
};
