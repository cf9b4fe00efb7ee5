// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardtext.h"

#include <deque>

struct TCardDesign;

// The text-block editing of the create cards window, without the window:
// alignment, placement, moves and drags in percent of the card, and undo of
// up to ten bounds changes. An undo entry names its side and block index,
// never the block object, so replacing a side (the border dialog's OK) can
// never leave an entry pointing into a freed block; the owner empties the
// list whenever a side is replaced, a file is loaded or the defaults are set.
class TCardTextEditor {
public:
  static constexpr int MaxUndo = 10;
  enum TSide { Front = 0, Back = 1 };

  explicit TCardTextEditor(TCardDesign& design) : FDesign(design) {}

  TSide Side = Front;
  int Block = 0;  // 0..5

  [[nodiscard]] TCardText& Text() const;
  void SetAlignment(TTextAlignment alignment);
  // Placement: horizontal (1 left, 3 centre, 2 right) or vertical (4 top,
  // 3 centre, 5 bottom); 0 is free. Recorded for undo.
  void Place(THorizontalPlace place);
  void Place(TVerticalPlace place);
  // Moves by whole percentage points (the move commands use 5): the
  // direction's placement becomes free first (one entry), then the move (a
  // second entry); the block never leaves the card.
  void Move(int dx, int dy);
  // A drag in the preview by (dx, dy) pixels over a shown card of width ×
  // height: both placements become free (an entry each), then the move
  // (a third). A preview without width or height moves nothing.
  void Drag(double dx, double dy, int width, int height);
  // Takes back the last change; false when there is nothing to undo.
  bool Undo();
  [[nodiscard]] int UndoCount() const { return int(FUndo.size()); }
  void ClearUndo() { FUndo.clear(); }

private:
  struct TEntry {
    TSide Side;
    int Block;
    TPercentRect Bounds;
    THorizontalPlace XPosition;
    TVerticalPlace YPosition;
  };
  void Record();
  void MoveBy(double dx, double dy);

  TCardDesign& FDesign;
  std::deque<TEntry> FUndo;
};
