// SPDX-License-Identifier: GPL-3.0-or-later
// TImageScaled: set-up, orientation, zoom, region of interest and red eyes.
// Rendering and drawing are in imagescaled_render.cpp.

#include "imagescaled.h"

#include "geometry.h"
#include "imagetodraw.h"

#include <algorithm>

TImageScaled::TImageScaled(TImageToDraw* record) : ImageToDraw(record), FPin(*record) {
  if (ImageToDraw->IsLoaded()) Init();
}

TImageScaled::~TImageScaled() = default;

void TImageScaled::InitGeometry() {
  // Another view of the same record may be loading it on another worker:
  // the record's fields are read under its lock.
  std::lock_guard locker(ImageToDraw->Lock);
  Initialized = true;
  Frame = SourceRect = ZoomRect = ImageToDraw->ImageRect;
  // An empty region of interest (no width or height, or wholly outside the
  // picture, as a file may hold) means the whole picture, for every window.
  const TGPRect& roi = ImageToDraw->FAttributes.ROI;
  const bool empty = roi.Width <= 0 || roi.Height <= 0 || qint64(roi.X) >= qint64(Frame.X) + Frame.Width ||
                     qint64(roi.Y) >= qint64(Frame.Y) + Frame.Height || qint64(roi.X) + roi.Width <= Frame.X ||
                     qint64(roi.Y) + roi.Height <= Frame.Y;
  ROIRect = empty ? Frame : roi;
  RotateBy((ImageToDraw->FAttributes.Rotation - Rotation + 360) % 360);
  Rotation = ImageToDraw->FAttributes.Rotation;
  RedEyes = ImageToDraw->FAttributes.RedEyes;
  if (!RedEyes) RedEyes = ImageToDraw->FAttributes.RedEyes = std::make_shared<TRedEyesList>();
}

void TImageScaled::Init() {
  ImageToDraw->EnsureLoaded();
  InitGeometry();
  PaintRedEyes();
  Recalc(false);
}

void TImageScaled::PaintRedEyes() {
  for (size_t i = 0; i < PaintedCount(*RedEyes); ++i) ImageToDraw->ApplyRedEye(*(*RedEyes)[i]);
}

void TImageScaled::EnsureInit() {
  if (Initialized) return;
  if (ReducedDecode && !ImageToDraw->IsLoaded()) {
    // Attributes and size from the file's head; the pixels come later, reduced.
    // A record whose attributes were read before gives no preview here.
    QByteArray preview;
    if (ImageToDraw->LoadAttributes(&preview)) Preview = std::move(preview);
    InitGeometry();
    Recalc(false);
  } else {
    Init();
  }
}

void TImageScaled::SetTargetRect(const TGPRect& r) {
  if (r == TargetRect) return;
  TargetRect = r;
  if (Initialized) Recalc(false);
}

void TImageScaled::SetAutoRotate(bool value) {
  if (value == AutoRotate) return;
  AutoRotate = value;
  if (!value) SetRotation(ImageToDraw->Attributes().Rotation);
}

void TImageScaled::SetUseROI(bool value) {
  if (value == UseROI) return;
  UseROI = value;
  Changed();
}

void TImageScaled::SetRotation(int angle) {
  const int a = ((angle % 360) + 360) % 360;
  if (a == Rotation) return;
  const int old = Rotation;
  Rotation = a;
  RotateBy((a - old + 360) % 360);
  Changed();
}

void TImageScaled::RotateBy(int delta) {
  SourceRect = RotateRect(SourceRect, delta, Frame.Width, Frame.Height);
  ROIRect = RotateRect(ROIRect, delta, Frame.Width, Frame.Height);
  ZoomRect = RotateRect(ZoomRect, delta, Frame.Width, Frame.Height);
  if (delta % 180 != 0) {
    std::swap(Frame.X, Frame.Y);
    std::swap(Frame.Width, Frame.Height);
  }
}

void TImageScaled::FitOrientation() {
  const int w = UseROI ? ROIRect.Width : Frame.Width;
  const int h = UseROI ? ROIRect.Height : Frame.Height;
  const bool targetWide = TargetRect.Width > TargetRect.Height;
  if ((targetWide && h > w) || (!targetWide && h < w)) {
    if (Rotation % 180 != 0)
      SetRotation(Rotation - 90);
    else
      SetRotation(Rotation + 90);
  }
}

void TImageScaled::SetZoomFromScreen(const TGPRect& r) {
  ZoomRect = MapRectBetween(r, DrawRect, SourceRect);
  Changed();
}

void TImageScaled::ZoomAt(QPoint p) {
  const QPoint q = MapPointBetween(p, DrawRect, SourceRect);
  const TGPRect& s = SourceRect;
  const int half = std::min({q.x() - s.X, s.X + s.Width - q.x(), q.y() - s.Y, s.Y + s.Height - q.y()});
  ZoomRect = {q.x() - half, q.y() - half, 2 * half, 2 * half};
  Changed();
}

void TImageScaled::ZoomOut() {
  const int w5 = Frame.Width / 5;
  const int h5 = Frame.Height / 5;
  const TGPRect& s = SourceRect;
  const int width = std::min(Frame.Width, s.Width + w5);
  const int height = std::min(Frame.Height, s.Height + h5);
  const int x = std::min(std::max(s.X - w5 / 2, 0), Frame.Width - width);
  const int y = std::min(Frame.Height - height, std::max(s.Y - h5 / 2, 0));
  ZoomRect = {x, y, width, height};
  Changed();
}

void TImageScaled::SetZoomRect(const TGPRect& r) {
  ZoomRect = r;
  Changed();
}

bool TImageScaled::IsZoomed() const {
  return ZoomRect.Width != Frame.Width || ZoomRect.Height != Frame.Height;
}

void TImageScaled::ResetZoom() {
  ZoomRect = {0, 0, Frame.Width, Frame.Height};
  Changed();
}

TGPRect TImageScaled::ScreenROI() const {
  return MapRectBetween(ROIRect, SourceRect, DrawRect);
}

void TImageScaled::SetROIFromScreen(const TGPRect& r) {
  TGPRect roi = MapRectBetween(r, DrawRect, SourceRect);
  const TGPRect& s = SourceRect;
  roi.X = std::max(roi.X, s.X);
  roi.Y = std::max(roi.Y, s.Y);
  if (s.Width < roi.Width) {
    roi.Width = s.Width;
    roi.X = s.X;
  }
  if (s.Height < roi.Height) {
    roi.Height = s.Height;
    roi.Y = s.Y;
  }
  if (qint64(s.X) + s.Width < qint64(roi.X) + roi.Width) roi.Width = int(qint64(s.X) + s.Width - roi.X);
  if (qint64(s.Y) + s.Height < qint64(roi.Y) + roi.Height) roi.Height = int(qint64(s.Y) + s.Height - roi.Y);
  ROIRect = roi;
  if (OnChange) OnChange(this);
}

void TImageScaled::ResetROI() {
  ROIRect = {0, 0, Frame.Width, Frame.Height};
}

TGPRect TImageScaled::GetStoredROI() const {
  return RotateRect(ROIRect, (360 - Rotation) % 360, Frame.Width, Frame.Height);
}

bool TImageScaled::AddRedEyeAt(QPoint p, int tolerance, int radius) {
  EnsureInit();
  const TGPRect& d = DrawRect;
  if (!(p.x() > d.X && p.x() < d.X + d.Width && p.y() > d.Y && p.y() < d.Y + d.Height)) return false;
  const QPoint q = MapPointBetween(p, DrawRect, SourceRect);
  const TGPRect stored = RotateRect({q.x(), q.y(), 0, 0}, (360 - Rotation) % 360, Frame.Width, Frame.Height);
  LastRedEyePoint = QPoint(stored.X, stored.Y);
  return AddRedEye(LastRedEyePoint, tolerance, radius);
}

bool TImageScaled::AddRedEye(QPoint q, int tolerance, int radius) {
  EnsureInit();
  std::unique_ptr<TRedEyes> correction = ImageToDraw->CreateRedEye(q, tolerance, radius);
  if (!correction) return false;
  RedEyes->push_back(std::move(correction));
  ImageToDraw->ApplyRedEye(*RedEyes->back());
  Changed();
  return true;
}

bool TImageScaled::RedoLastRedEye(int tolerance, int radius) {
  if (LastRedEyePoint == QPoint(-1, -1)) return false;
  EnsureInit();
  if (!RedEyes->empty() && QPoint(RedEyes->back()->X, RedEyes->back()->Y) == LastRedEyePoint) {
    ImageToDraw->RestoreRedEye(*RedEyes->back());
    RedEyes->pop_back();
  }
  return AddRedEye(LastRedEyePoint, tolerance, radius);
}

void TImageScaled::ClearRedEyes() {
  EnsureInit();
  for (const auto& correction : *RedEyes) ImageToDraw->RestoreRedEye(*correction);
  RedEyes->clear();
  LastRedEyePoint = QPoint(-1, -1);
  Changed();
}

void TImageScaled::SetRedEyes(const TRedEyesList& list) {
  // Copy first: the list may be this view's own.
  TRedEyesList copies = CopyRedEyes(list);
  ClearRedEyes();
  for (auto& copy : copies) {
    RedEyes->push_back(std::move(copy));
    if (RedEyes->size() <= MaxPaintedRedEyes) ImageToDraw->ApplyRedEye(*RedEyes->back());
  }
  LastRedEyePoint = RedEyes->empty() ? QPoint(-1, -1) : QPoint(RedEyes->back()->X, RedEyes->back()->Y);
  Changed();
}

bool TImageScaled::HasRedEyes() const {
  return RedEyes && !RedEyes->empty();
}

void TImageScaled::Changed() {
  if (Initialized) Recalc(true);
  if (OnChange) OnChange(this);
}

void TImageScaled::Recalc(bool force) {
  if (TargetRect.Width <= 0 || TargetRect.Height <= 0) return;
  SourceRect = FitSourceToTarget(TargetRect, UseROI ? ROIRect : ZoomRect, Frame);
  DrawRect = FitRectKeepAspect(TargetRect.Width, TargetRect.Height, SourceRect.Width, SourceRect.Height);
  DrawRect.X += TargetRect.X;
  DrawRect.Y += TargetRect.Y;
  if (!Bitmap.isNull() && (force || Bitmap.width() != DrawRect.Width || Bitmap.height() != DrawRect.Height))
    Bitmap = QImage();
}
