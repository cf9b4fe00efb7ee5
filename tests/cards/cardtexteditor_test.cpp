// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardfile.h"
#include "cardpage.h"
#include "cardtexteditor.h"

#include <gtest/gtest.h>

TEST(CardTextEditor, MovesClampAndUndoWalksBack) {
  TCardDesign design;
  TCardTextEditor editor(design);
  editor.Block = 2;
  TCardText& text = editor.Text();
  text.Bounds = {90, 40, 10, 20};
  text.XPosition = THorizontalPlace::RightEdge;
  editor.Move(5, 0);  // X 97 with W 10: held at 90
  EXPECT_EQ(text.Bounds.X, 90.f);
  EXPECT_EQ(text.XPosition, THorizontalPlace::Free);  // the move frees the placement
  EXPECT_EQ(editor.UndoCount(), 2);
  text.Bounds.X = 3;
  editor.Move(-5, 0);
  EXPECT_EQ(text.Bounds.X, 0.f);
  ASSERT_TRUE(editor.Undo());
  EXPECT_EQ(text.Bounds.X, 3.f);
  ASSERT_TRUE(editor.Undo());
  ASSERT_TRUE(editor.Undo());
  ASSERT_TRUE(editor.Undo());
  EXPECT_EQ(text.XPosition, THorizontalPlace::RightEdge);  // back to before the first move
  EXPECT_FALSE(editor.Undo());
}

TEST(CardTextEditor, UndoKeepsTenStepsAndADragFreesBothPlacements) {
  TCardDesign design;
  TCardTextEditor editor(design);
  editor.Block = 2;
  TCardText& text = editor.Text();
  for (int i = 0; i < 12; ++i) editor.Move(0, 1);
  EXPECT_EQ(editor.UndoCount(), 10);
  // A drag moves by percent of the card.
  text.Bounds = {10, 10, 20, 20};
  text.XPosition = THorizontalPlace::LeftEdge;
  text.YPosition = TVerticalPlace::Bottom;
  editor.Drag(50, -25, 500, 250);
  EXPECT_EQ(text.Bounds.X, 20.f);
  EXPECT_EQ(text.Bounds.Y, 0.f);
  EXPECT_EQ(text.XPosition, THorizontalPlace::Free);
  EXPECT_EQ(text.YPosition, TVerticalPlace::Free);
  editor.Drag(50, 50, 0, 250);  // no width: nothing moves
  EXPECT_EQ(text.Bounds.X, 20.f);
}

TEST(CardTextEditor, UndoSurvivesAReplacedBack) {
  // Entries name the side and block: after the back is replaced, undo writes
  // into the new back's block, never into a freed one.
  TCardDesign design;
  TCardTextEditor editor(design);
  editor.Block = 2;
  editor.Side = TCardTextEditor::Back;
  editor.Place(THorizontalPlace::Centred);
  auto replacement = design.Back.Clone();
  design.Back.Texts.clear();
  EXPECT_TRUE(editor.Undo());
  EXPECT_EQ(replacement->Texts.size(), 6u);
}

TEST(CardPages, FoldGridAndPrintChoice) {
  TCardGeneral g;
  g.Type = TCardType::Fold;
  g.Cards = 3;
  g.Direction = TFoldDirection::SideBySide;
  EXPECT_EQ(CardPage::Grid(g), QSize(2, 3));
  g.Direction = TFoldDirection::OneAboveTheOther;
  EXPECT_EQ(CardPage::Grid(g), QSize(3, 2));
  g.Cards = 1;
  g.Direction = TFoldDirection::FourParts;
  EXPECT_EQ(CardPage::Grid(g), QSize(2, 2));
  g.OneSide = false;
  EXPECT_FALSE(CardPage::PrintChoiceVisible(g));  // four parts: both sides on one sheet
  g.Direction = TFoldDirection::SideBySide;
  EXPECT_TRUE(CardPage::PrintChoiceVisible(g));
  g.OneSide = true;
  EXPECT_FALSE(CardPage::PrintChoiceVisible(g));
  g.Type = TCardType::Post;
  EXPECT_TRUE(CardPage::PrintChoiceVisible(g));
}
