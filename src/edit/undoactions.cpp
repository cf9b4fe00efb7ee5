// SPDX-License-Identifier: GPL-3.0-or-later
#include "undoactions.h"

#include "imagescaled.h"

TUndoRotation::TUndoRotation(TImageScaled* image) : TUndoAction(image), Angle(image->Rotation) {}

void TUndoRotation::Undo() {
  Image->SetRotation(Angle);
}

TUndoZoom::TUndoZoom(TImageScaled* image) : TUndoAction(image), ZoomRect(image->ZoomRect) {}

void TUndoZoom::Undo() {
  Image->SetZoomRect(ZoomRect);
}

TUndoRedEyes::TUndoRedEyes(TImageScaled* image)
    : TUndoAction(image), RedEyes(image->RedEyes ? CopyRedEyes(*image->RedEyes) : TRedEyesList()) {}

void TUndoRedEyes::Undo() {
  Image->SetRedEyes(RedEyes);
}

TUndoROI::TUndoROI(TImageScaled* image) : TUndoAction(image), ScreenROI(image->ScreenROI()) {}

void TUndoROI::Undo() {
  Image->SetROIFromScreen(ScreenROI);
}

void TUndoList::Push(std::unique_ptr<TUndoAction> action) {
  if (Count() >= Capacity) FActions.erase(FActions.begin());
  FActions.push_back(std::move(action));
}

bool TUndoList::Undo() {
  if (FActions.empty()) return false;
  std::unique_ptr<TUndoAction> action = std::move(FActions.back());
  FActions.pop_back();
  action->Undo();
  return true;
}

void TUndoList::DropLast() {
  if (!FActions.empty()) FActions.pop_back();
}

void TUndoList::Clear() {
  FActions.clear();
}
