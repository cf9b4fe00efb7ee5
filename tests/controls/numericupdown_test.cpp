// SPDX-License-Identifier: GPL-3.0-or-later
#include "numericupdown.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Typed text is applied within one timer interval.
void WaitForApply() {
  QTest::qWait(TNumericUpDown::ApplyIntervalMs + 200);
}

}  // namespace

TEST(NumericUpDown, TypedTextIsClampedOrFallsBackToTheMinimumAfterTheDelay) {
  TNumericUpDown control;
  control.SetMin(2);
  control.SetMax(10);
  EXPECT_EQ(control.Value(), 2);  // raised from 0 by the minimum
  control.Edit()->setText(QStringLiteral("abc"));
  EXPECT_EQ(control.Edit()->text(), QStringLiteral("abc"));  // not at once
  WaitForApply();
  EXPECT_EQ(control.Edit()->text(), QStringLiteral("2"));
  control.Edit()->setText(QStringLiteral("50"));
  WaitForApply();
  EXPECT_EQ(control.Edit()->text(), QStringLiteral("10"));
  EXPECT_EQ(control.Value(), 10);
}

TEST(NumericUpDown, LimitsMoveTheValueAndArrowsStepByTheIncrement) {
  TNumericUpDown control;
  int changes = 0;
  control.OnChange = [&](TNumericUpDown* sender) {
    EXPECT_EQ(sender, &control);
    ++changes;
  };
  control.SetValue(40);
  control.SetMin(50);
  EXPECT_EQ(control.Value(), 50);
  control.SetMax(60);
  control.SetValue(58);
  control.SetMax(55);
  EXPECT_EQ(control.Value(), 55);
  EXPECT_EQ(control.Edit()->text(), QStringLiteral("55"));

  control.SetIncrement(2);
  changes = 0;
  control.DownButton()->click();
  EXPECT_EQ(control.Value(), 53);
  EXPECT_EQ(changes, 1);
  control.SetIncrement(3);
  control.UpButton()->click();  // 56 is above the maximum: stops at 55
  EXPECT_EQ(control.Value(), 55);
  EXPECT_EQ(changes, 2);
  control.UpButton()->click();  // already at the maximum: no change, no event
  EXPECT_EQ(changes, 2);
}

TEST(NumericUpDown, LeavingTheFieldClampsAtOnceAndALowControlGrows) {
  QWidget window;
  auto* control = new TNumericUpDown(&window);
  auto* other = new QLineEdit(&window);
  other->move(0, 40);
  control->SetMax(10);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::setActiveWindow(&window);
  control->setFocus();
  control->Edit()->selectAll();
  QTest::keyClicks(control->Edit(), QStringLiteral("99"));
  EXPECT_EQ(control->Edit()->text(), QStringLiteral("99"));
  other->setFocus();
  EXPECT_EQ(control->Edit()->text(), QStringLiteral("10"));

  control->resize(75, 5);
  EXPECT_EQ(control->height(), control->MinimumHeight());
  EXPECT_GT(control->height(), 5);
}
