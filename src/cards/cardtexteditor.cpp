// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardtexteditor.h"

#include "cardfile.h"

#include <algorithm>

TCardText& TCardTextEditor::Text() const {
  TCard& side = Side == Front ? static_cast<TCard&>(FDesign.Front) : static_cast<TCard&>(FDesign.Back);
  if (side.Texts.size() < 6) side.Texts.resize(6);
  return side.Texts[size_t(std::clamp(Block, 0, 5))];
}

void TCardTextEditor::Record() {
  if (int(FUndo.size()) >= MaxUndo) FUndo.pop_front();
  const TCardText& text = Text();
  FUndo.push_back({Side, std::clamp(Block, 0, 5), text.Bounds, text.XPosition, text.YPosition});
}

void TCardTextEditor::SetAlignment(TTextAlignment alignment) {
  Text().Alignment = alignment;
}

void TCardTextEditor::Place(THorizontalPlace place) {
  Record();
  Text().XPosition = place;
}

void TCardTextEditor::Place(TVerticalPlace place) {
  Record();
  Text().YPosition = place;
}

void TCardTextEditor::MoveBy(double dx, double dy) {
  TPercentRect& b = Text().Bounds;
  b.X = float(b.X + dx);
  b.Y = float(b.Y + dy);
  if (b.X < 0) b.X = 0;
  if (b.X + b.W >= 100) b.X = 100 - b.W;
  if (b.Y < 0) b.Y = 0;
  if (b.Y + b.H >= 100) b.Y = 100 - b.H;
}

void TCardTextEditor::Move(int dx, int dy) {
  if (dx != 0)
    Place(THorizontalPlace::Free);
  else
    Place(TVerticalPlace::Free);
  Record();
  MoveBy(dx, dy);
}

void TCardTextEditor::Drag(double dx, double dy, int width, int height) {
  if (width <= 0 || height <= 0) return;
  Place(THorizontalPlace::Free);
  Place(TVerticalPlace::Free);
  Record();
  MoveBy(dx / width * 100, dy / height * 100);
}

bool TCardTextEditor::Undo() {
  if (FUndo.empty()) return false;
  const TEntry entry = FUndo.back();
  FUndo.pop_back();
  TCard& side = entry.Side == Front ? static_cast<TCard&>(FDesign.Front) : static_cast<TCard&>(FDesign.Back);
  if (entry.Block >= int(side.Texts.size())) return true;  // the side was replaced meanwhile
  TCardText& text = side.Texts[size_t(entry.Block)];
  text.Bounds = entry.Bounds;
  text.XPosition = entry.XPosition;
  text.YPosition = entry.YPosition;
  return true;
}
