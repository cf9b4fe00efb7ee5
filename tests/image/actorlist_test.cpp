// SPDX-License-Identifier: GPL-3.0-or-later
#include "actorlist.h"

#include <gtest/gtest.h>

TEST(ActorList, SplitsOnSemicolonsAndKeepsInnerEmptyNames) {
  EXPECT_EQ(ActorList::Split(QStringLiteral("Anna;Bob;")), (QStringList{"Anna", "Bob"}));
  EXPECT_EQ(ActorList::Split(QStringLiteral("Anna;Bob")), (QStringList{"Anna", "Bob"}));
  EXPECT_EQ(ActorList::Split(QStringLiteral("Anna;;Bob;")), (QStringList{"Anna", "", "Bob"}));
  EXPECT_EQ(ActorList::Split(QString()), QStringList());
  // A line break inside a stored value separates names as well.
  EXPECT_EQ(ActorList::Split(QStringLiteral("Anna\r\nBob;")), (QStringList{"Anna", "Bob"}));
  // Blanks around names are not part of them.
  EXPECT_EQ(ActorList::Split(QStringLiteral(" Anna ; Bob Jr.; ;")), (QStringList{"Anna", "Bob Jr.", ""}));
  EXPECT_EQ(ActorList::Names(QStringLiteral(" Anna ; Bob Jr.; ;")), (QStringList{"Anna", "Bob Jr."}));
}

TEST(ActorList, JoinEndsEveryNameWithSemicolon) {
  EXPECT_EQ(ActorList::Join({"Anna", "Bob"}), QStringLiteral("Anna;Bob;"));
  EXPECT_EQ(ActorList::Join({}), QString());
  EXPECT_EQ(ActorList::Join(ActorList::Split(QStringLiteral("Zoë;Jan;"))), QStringLiteral("Zoë;Jan;"));
}
