// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"
#include "redeyes.h"

#include <memory>
#include <vector>

class TImageScaled;

// What one edit of the edit window changed, to go back to. A record is run
// only against the scaled image it was made for.
class TUndoAction {
public:
  explicit TUndoAction(TImageScaled* image) : Image(image) {}
  virtual ~TUndoAction() = default;
  virtual void Undo() = 0;

  TImageScaled* const Image;
};

class TUndoRotation : public TUndoAction {
public:
  explicit TUndoRotation(TImageScaled* image);
  void Undo() override;
  const int Angle;
};

class TUndoZoom : public TUndoAction {
public:
  explicit TUndoZoom(TImageScaled* image);
  void Undo() override;
  const TGPRect ZoomRect;
};

class TUndoRedEyes : public TUndoAction {
public:
  explicit TUndoRedEyes(TImageScaled* image);
  void Undo() override;
  TRedEyesList RedEyes;  // copies
};

class TUndoROI : public TUndoAction {
public:
  explicit TUndoROI(TImageScaled* image);
  void Undo() override;
  const TGPRect ScreenROI;
};

// The last ten edits, newest last; an eleventh pushes out the oldest.
class TUndoList {
public:
  static constexpr int Capacity = 10;

  void Push(std::unique_ptr<TUndoAction> action);
  // Runs and removes the newest record; false when there is none.
  bool Undo();
  // Removes the newest record without running it.
  void DropLast();
  void Clear();
  [[nodiscard]] int Count() const { return int(FActions.size()); }

private:
  std::vector<std::unique_ptr<TUndoAction>> FActions;
};
