// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imagetodraw.h"
#include "gprect.h"
#include "redeyes.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <atomic>
#include <functional>
#include <optional>

class QPainter;
class TJobQueue;
class TJobThread;

// A view of one photo record fitted into a target rectangle: the view's own
// rotation, zoom and region of interest, the visible part of the picture and
// where it lands, and a cached rendering of exactly the drawn size (made once
// per geometry change, possibly on a worker) that is drawn unscaled. It also
// carries the red-eye editing operations.
//
// The view holds the record's picture (a TImagePin) while it lives. In
// ReducedDecode mode a view of a record whose picture is not loaded renders
// from the embedded preview or a DCT-scaled decode instead of loading the full
// picture: the thumbnail path.
class TImageScaled {
public:
  explicit TImageScaled(TImageToDraw* record);
  ~TImageScaled();
  TImageScaled(const TImageScaled&) = delete;
  TImageScaled& operator=(const TImageScaled&) = delete;

  QImage Bitmap;  // the cached rendering, DrawRect's size; null when none
  TImageToDraw* const ImageToDraw;
  TGPRect TargetRect;
  TGPRect DrawRect;
  TGPRect ZoomRect;
  bool AutoRotate = false;
  bool UseROI = false;
  TGPRect Frame;
  TGPRect SourceRect;
  int Rotation = 0;
  TGPRect ROIRect;
  TRedEyesListPtr RedEyes;
  int Interpolation = 6;  // high quality: area averaging when scaling down
  std::function<void(TImageScaled*)> OnChange;
  std::function<void(TImageScaled*, TJobThread*)> OnJobDone;
  std::atomic<bool> Queued{false};
  std::atomic<bool> Cancelled{false};
  bool Initialized = false;
  QPoint LastRedEyePoint{-1, -1};
  bool ReducedDecode = false;
  // The embedded preview (empty: none) as read with the attributes, until
  // the reduced render used it.
  std::optional<QByteArray> Preview;

  void EnsureInit();
  void Init();
  void SetTargetRect(const TGPRect& r);
  void SetAutoRotate(bool value);
  void SetUseROI(bool value);

  void SetRotation(int angle);
  void RotateBy(int delta);
  void FitOrientation();

  void SetZoomFromScreen(const TGPRect& r);
  void ZoomAt(QPoint p);
  void ZoomOut();
  void SetZoomRect(const TGPRect& r);
  [[nodiscard]] bool IsZoomed() const;
  void ResetZoom();
  [[nodiscard]] TGPRect ScreenROI() const;
  void SetROIFromScreen(const TGPRect& r);
  void ResetROI();
  [[nodiscard]] TGPRect GetStoredROI() const;

  bool AddRedEyeAt(QPoint p, int tolerance, int radius);
  bool AddRedEye(QPoint q, int tolerance, int radius);
  bool RedoLastRedEye(int tolerance, int radius);
  void ClearRedEyes();
  void SetRedEyes(const TRedEyesList& list);
  [[nodiscard]] bool HasRedEyes() const;

  void Changed();
  void Recalc(bool force);
  // The cached rendering, made when missing; null for a record that failed
  // to load or an empty drawing rectangle.
  const QImage* GetScaledBitmap();
  void Draw(QPainter& painter);
  // Draws straight from the full picture into DrawRect, scaled by the
  // painter's device (printing); no cache.
  void DrawDirect(QPainter& painter);

  [[nodiscard]] bool IsReady() const;
  // Initialised with nothing left to render: its bitmap is made, the photo
  // failed (the error box is drawn) or there is nothing to draw.
  [[nodiscard]] bool IsSettled() const;
  // Queues the rendering unless it is ready (or the record failed); true
  // when the caller may draw at once.
  bool QueueJob(TJobQueue& queue, bool first = false);
  void RunJob(TJobThread* worker);
  void Cancel() { Cancelled = true; }

private:
  void InitGeometry();
  void PaintRedEyes();
  QImage Render();
  QImage RenderReduced(const TGPRect& stored, int width, int height);

  TImagePin FPin;
};
