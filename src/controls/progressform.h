// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// "Zelvane - Progress": the modal window of a batch run (save all, search,
// export). Each finished job steps the bar and names its file; the step that
// reaches the maximum closes the window with OK. Cancel closes it at once
// (the owner then discards the jobs still waiting).
class TProgressForm : public QDialog {
  Q_OBJECT
public:
  explicit TProgressForm(QWidget* parent = nullptr);

  void SetMaximum(int maximum);
  [[nodiscard]] int Maximum() const;
  [[nodiscard]] int Position() const;
  [[nodiscard]] QString LabelText() const;
  void SetLabelText(const QString& text);

  // One job done (or failed: it counts all the same, so the window closes).
  void Step(const QString& text);

private:
  QLabel* FLabel;
  QProgressBar* FBar;
};
