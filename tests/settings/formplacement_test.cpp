// SPDX-License-Identifier: GPL-3.0-or-later
#include "formplacement.h"

#include <gtest/gtest.h>

TEST(FormPlacement, TextRoundTrips) {
  TFormPlacement p;
  ASSERT_TRUE(TFormPlacement::Parse("0;222;131;805;697;", p));
  EXPECT_EQ(p, (TFormPlacement{false, QRect(222, 131, 805, 697)}));
  EXPECT_EQ(p.ToString(), QStringLiteral("0;222;131;805;697;"));
  ASSERT_TRUE(TFormPlacement::Parse("0;-8;-8;100;50", p));  // without the last ";"
  EXPECT_EQ(p.Bounds, QRect(-8, -8, 100, 50));
}

TEST(FormPlacement, MaximizedIgnoresTheBounds) {
  TFormPlacement p;
  ASSERT_TRUE(TFormPlacement::Parse("1;10;20;x;y;", p));
  EXPECT_TRUE(p.Maximized);
  EXPECT_EQ(p.Bounds, QRect());
}

TEST(FormPlacement, MalformedTextKeepsTheDesignedPlace) {
  TFormPlacement p{false, QRect(1, 2, 3, 4)};
  for (const char* text : {"", "abc", "0;1;2;3;", "0;1;2;3;x;", "0;1;2;0;5;", "0;1;2;-5;5;", ";;;;;"})
    EXPECT_FALSE(TFormPlacement::Parse(QString::fromLatin1(text), p)) << text;
  EXPECT_EQ(p.Bounds, QRect(1, 2, 3, 4));
}

TEST(FormPlacement, WindowsArePulledBackOnScreen) {
  const QList<QRect> one{QRect(0, 0, 1920, 1080)};
  EXPECT_EQ(TFormPlacement::PullOnScreen(QRect(100, 100, 800, 600), one), QRect(100, 100, 800, 600));
  EXPECT_EQ(TFormPlacement::PullOnScreen(QRect(3000, 2000, 800, 600), one), QRect(1120, 480, 800, 600));
  EXPECT_EQ(TFormPlacement::PullOnScreen(QRect(-500, -50, 800, 600), one), QRect(0, 0, 800, 600));
  EXPECT_EQ(TFormPlacement::PullOnScreen(QRect(0, 0, 4000, 3000), one), QRect(0, 0, 1920, 1080));
  // Two screens side by side: a window mostly on the second stays there.
  const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  EXPECT_EQ(TFormPlacement::PullOnScreen(QRect(2000, 900, 400, 300), two), QRect(2000, 724, 400, 300));
}
