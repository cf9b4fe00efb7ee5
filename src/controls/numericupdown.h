// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

// A whole-number entry with up and down arrows, as the dialogs use it for
// seconds, rows, margins and widths. Typed text is applied at the timer's
// next tick (within a second): it is then clamped to Min .. Max, and text
// that is not a number becomes Min. Leaving the field applies it at once.
class TNumericUpDown : public QWidget {
  Q_OBJECT
public:
  explicit TNumericUpDown(QWidget* parent = nullptr);
  // A field of min..max showing value, sized for its digits.
  static TNumericUpDown* Create(QWidget* parent, int min, int max, int value, int increment = 1);

  [[nodiscard]] int Min() const { return FMin; }
  void SetMin(int value);
  [[nodiscard]] int Max() const { return FMax; }
  void SetMax(int value);
  [[nodiscard]] int Increment() const { return FIncrement; }
  void SetIncrement(int value) { FIncrement = value; }
  // The number shown: typed text still waiting counts once it is a number
  // (clamped); otherwise the last applied value.
  [[nodiscard]] int Value() const;
  void SetValue(int value);
  [[nodiscard]] bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value);

  // One arrow click up (+1) or down (-1).
  void StepBy(int steps);
  [[nodiscard]] QLineEdit* Edit() const { return FEdit; }
  [[nodiscard]] QToolButton* UpButton() const { return FUp; }
  [[nodiscard]] QToolButton* DownButton() const { return FDown; }
  [[nodiscard]] int MinimumHeight() const;
  // How long typed text waits at most (the timer's interval).
  static constexpr int ApplyIntervalMs = 1000;

  // Fired on every change of the text: typing, arrows and SetValue.
  std::function<void(TNumericUpDown*)> OnChange;

protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  [[nodiscard]] int RawValue() const;
  void TextChanged();
  void Tick();

  QLineEdit* FEdit;
  QToolButton* FUp;
  QToolButton* FDown;
  QTimer FTimer;
  int FMin = 0;
  int FMax = 100;
  int FIncrement = 1;
  int FPosition = 0;
  int FDelay = 0;
  bool FEditorEnabled = true;
};
