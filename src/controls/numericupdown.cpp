// SPDX-License-Identifier: GPL-3.0-or-later
#include "numericupdown.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int ArrowWidth = 15;

bool ParseInt(const QString& text, int& value) {
  bool ok = false;
  const int parsed = text.trimmed().toInt(&ok);
  if (ok) value = parsed;
  return ok;
}

}  // namespace

TNumericUpDown::TNumericUpDown(QWidget* parent) : QWidget(parent) {
  FEdit = new QLineEdit(QStringLiteral("0"), this);
  FUp = new QToolButton(this);
  FDown = new QToolButton(this);
  FUp->setArrowType(Qt::UpArrow);
  FDown->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {FUp, FDown}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(FUp, &QToolButton::clicked, this, [this] { StepBy(1); });
  connect(FDown, &QToolButton::clicked, this, [this] { StepBy(-1); });
  connect(FEdit, &QLineEdit::textChanged, this, &TNumericUpDown::TextChanged);
  FEdit->installEventFilter(this);
  setFocusProxy(FEdit);
  FTimer.setInterval(ApplyIntervalMs);
  connect(&FTimer, &QTimer::timeout, this, &TNumericUpDown::Tick);
  resize(75, 25);
}

void TNumericUpDown::SetMin(int value) {
  FMin = value;
  if (FMax < FMin) FMax = FMin;
  if (value > RawValue()) SetValue(value);
}

void TNumericUpDown::SetMax(int value) {
  FMax = value;
  if (FMin > FMax) FMin = FMax;
  if (value < RawValue()) SetValue(value);
}

int TNumericUpDown::RawValue() const {
  int typed = 0;
  return ParseInt(FEdit->text(), typed) ? typed : FPosition;
}

int TNumericUpDown::Value() const {
  int typed = 0;
  return ParseInt(FEdit->text(), typed) ? std::clamp(typed, FMin, FMax) : FPosition;
}

void TNumericUpDown::SetValue(int value) {
  FPosition = std::clamp(value, FMin, FMax);
  const QString text = QString::number(FPosition);
  if (FEdit->text() != text) FEdit->setText(text);
}

void TNumericUpDown::SetEditorEnabled(bool value) {
  FEditorEnabled = value;
  FEdit->setReadOnly(!value);
}

void TNumericUpDown::StepBy(int steps) {
  const qint64 next = qint64(Value()) + qint64(steps) * FIncrement;
  SetValue(int(std::clamp<qint64>(next, FMin, FMax)));
}

void TNumericUpDown::TextChanged() {
  FDelay = 0;
  if (!FTimer.isActive()) FTimer.start();  // a running timer keeps its phase
  if (OnChange) OnChange(this);
}

void TNumericUpDown::Tick() {
  if (FDelay > 0) {
    --FDelay;
    return;
  }
  FTimer.stop();
  int typed = 0;
  SetValue(ParseInt(FEdit->text(), typed) ? typed : FMin);
}

int TNumericUpDown::MinimumHeight() const {
  const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  const int system = QFontMetrics(QApplication::font()).height();
  const int own = QFontMetrics(FEdit->font()).height();
  return 4 * border + std::min(system, own) / 4 + own + 2;
}

void TNumericUpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int minimum = MinimumHeight();
  if (height() < minimum) {
    resize(width(), minimum);  // the next resize lays out the children
    return;
  }
  const int h = height() - 5;
  FEdit->setGeometry(2, 2, std::max(0, width() - ArrowWidth - 5), h);
  FUp->setGeometry(width() - ArrowWidth - 5, 2, ArrowWidth, h / 2);
  FDown->setGeometry(width() - ArrowWidth - 5, 2 + h / 2, ArrowWidth, h - h / 2);
}

bool TNumericUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEdit) {
    if (event->type() == QEvent::FocusIn && !(QApplication::mouseButtons() & Qt::LeftButton))
      QMetaObject::invokeMethod(FEdit, &QLineEdit::selectAll, Qt::QueuedConnection);
    else if (event->type() == QEvent::FocusOut)
      SetValue(Value());
    else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Up || key == Qt::Key_Down) {
        StepBy(key == Qt::Key_Up ? 1 : -1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

TNumericUpDown* TNumericUpDown::Create(QWidget* parent, int min, int max, int value, int increment) {
  auto* field = new TNumericUpDown(parent);
  field->SetMin(min);
  field->SetMax(max);
  field->SetIncrement(increment);
  field->SetValue(value);
  field->setMinimumWidth(60);
  field->setMinimumHeight(field->MinimumHeight());
  return field;
}

#include "moc_numericupdown.cpp"
