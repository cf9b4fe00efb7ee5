// SPDX-License-Identifier: GPL-3.0-or-later
// TEditImagesFormViewer: the edits of the photo shown (rotation, zoom, red
// eyes, region of interest), their undo records, and its painting.

#include "editviewer.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"

#include <QAction>
#include <QGroupBox>
#include <QPainter>
#include <QSlider>

TGPRect TEditImagesFormViewer::ViewerTarget() const {
  return {1, 1, ImageViewerEdit->width() - 2, ImageViewerEdit->height() - 2};  // inside a one-pixel margin
}

int TEditImagesFormViewer::Radius() const {
  return TrackArea->value();
}

int TEditImagesFormViewer::Tolerance() const {
  return 6 - TrackColor->value();
}

void TEditImagesFormViewer::PushUndo(std::unique_ptr<TUndoAction> action) {
  FUndo.Push(std::move(action));
  UpdateEditActions();
}

void TEditImagesFormViewer::DropLastUndo() {
  FUndo.DropLast();
}

void TEditImagesFormViewer::ClearUndo() {
  FUndo.Clear();
  UpdateEditActions();
}

void TEditImagesFormViewer::ActionUndoExecute() {
  if (FUndo.Undo()) ImageViewerEdit->update();
  UpdateEditActions();
}

void TEditImagesFormViewer::UpdateEditActions() {
  const bool usable = FScaled && FScaled->ImageToDraw->LoadFailure().Message.isEmpty() && FScaled->ImageToDraw->IsLoaded();
  for (QAction* action : FEditActions) action->setEnabled(usable);
  if (!usable) return;
  ActionUndo->setEnabled(FUndo.Count() >= 1);
  ActionZoomOut->setEnabled(FScaled->IsZoomed());
  ActionRestoreRed->setEnabled(FScaled->HasRedEyes());
}

void TEditImagesFormViewer::ActionRotateExecute(int degrees) {
  if (!FScaled) return;
  PushUndo(std::make_unique<TUndoRotation>(FScaled.get()));
  FScaled->SetRotation(FScaled->Rotation + degrees);
  Modified = true;
}

void TEditImagesFormViewer::SelectTool(QAction* action) {
  // The action has already inverted its own check; at most one tool is on.
  QAction* zoom = ActionZoomIn;
  QAction* redEyes = ActionRedEyes;
  QAction* roi = ActionSetROI;
  if (!action->isChecked()) {
    ImageViewerEdit->SetMouseHandler(nullptr);
    if (action == redEyes) {
      GroupArea->hide();
      GroupColor->hide();
    }
    return;
  }
  for (QAction* other : {zoom, redEyes, roi})
    if (other != action) other->setChecked(false);
  const bool showTracks = action == redEyes;
  GroupArea->setVisible(showTracks);
  GroupColor->setVisible(showTracks);
  ImageViewerEdit->SetMouseHandler(action == zoom      ? static_cast<TMouseHandler*>(&ZoomTool)
                                   : action == redEyes ? static_cast<TMouseHandler*>(&RedEyeTool)
                                                       : static_cast<TMouseHandler*>(&ROITool));
}

void TEditImagesFormViewer::ActionZoomInExecute() {
  SelectTool(ActionZoomIn);
}

void TEditImagesFormViewer::ActionRedEyesExecute() {
  SelectTool(ActionRedEyes);
}

void TEditImagesFormViewer::ActionSetROIExecute() {
  SelectTool(ActionSetROI);
}

void TEditImagesFormViewer::ZoomToolUp() {
  if (!FScaled) return;
  PushUndo(std::make_unique<TUndoZoom>(FScaled.get()));
  const TGPRect r = ZoomTool.DragRect;
  // A narrow rectangle counts as a click at its top-left corner.
  if (r.Width < 4)
    FScaled->ZoomAt(QPoint(r.X, r.Y));
  else
    FScaled->SetZoomFromScreen(r);
  UpdateEditActions();
}

void TEditImagesFormViewer::ActionZoomOutExecute() {
  if (!FScaled) return;
  PushUndo(std::make_unique<TUndoZoom>(FScaled.get()));
  FScaled->ZoomOut();
  UpdateEditActions();
}

void TEditImagesFormViewer::RedEyeToolUp() {
  if (!FScaled) return;
  PushUndo(std::make_unique<TUndoRedEyes>(FScaled.get()));
  if (FScaled->AddRedEyeAt(RedEyeTool.ClickPoint, Tolerance(), Radius())) {
    UpdateEditActions();
    Modified = true;
  } else {
    // Outside the photo or nothing red there: no trace at all.
    DropLastUndo();
    UpdateEditActions();
  }
}

void TEditImagesFormViewer::TrackColorAreaChange() {
  if (FScaled && FScaled->RedoLastRedEye(Tolerance(), Radius())) {
    UpdateEditActions();
    Modified = true;
  }
}

void TEditImagesFormViewer::ActionRestoreRedExecute() {
  if (!FScaled) return;
  PushUndo(std::make_unique<TUndoRedEyes>(FScaled.get()));
  FScaled->ClearRedEyes();
  UpdateEditActions();
  Modified = true;
}

void TEditImagesFormViewer::ROIToolUp() {
  if (!FScaled || ROITool.DragRect.Width <= 3) return;  // a click sets nothing
  PushUndo(std::make_unique<TUndoROI>(FScaled.get()));
  FScaled->SetROIFromScreen(ROITool.DragRect);
  ActionShowROI->setChecked(true);
  Modified = true;
  ImageViewerEdit->update();
}

void TEditImagesFormViewer::ActionShowROIExecute() {
  ImageViewerEdit->update();  // the frame is drawn, or left out, by the next paint
}

void TEditImagesFormViewer::ActionResetROIExecute() {
  if (!FScaled) return;
  PushUndo(std::make_unique<TUndoROI>(FScaled.get()));
  FScaled->ResetROI();
  ActionShowROI->setChecked(true);
  Modified = true;
  ImageViewerEdit->update();
}

void TEditImagesFormViewer::ImageViewerEditPaint(QPainter& canvas) {
  canvas.setBrush(palette().window());
  canvas.setPen(Qt::NoPen);
  if (!FScaled) {
    canvas.drawRect(ImageViewerEdit->rect());
    return;
  }
  FScaled->SetTargetRect(ViewerTarget());
  FScaled->Draw(canvas);
  ImageViewerEdit->FillOutside(canvas, FScaled->DrawRect);
  if (ActionShowROI->isChecked()) DrawROIFrame(canvas);
}

void TEditImagesFormViewer::DrawROIFrame(QPainter& canvas) {
  canvas.setPen(QPen(QColor(255, 0, 0), 1, Qt::DotLine));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawPolyline(TImageViewer::Outline(FScaled->ScreenROI()));
}
