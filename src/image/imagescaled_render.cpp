// SPDX-License-Identifier: GPL-3.0-or-later
// TImageScaled: the cached rendering, drawing, and the background job.

#include "imagescaled.h"

#include "geometry.h"
#include "gpimage.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "reducedpicture.h"

#include <QFont>
#include <QLoggingCategory>
#include <QPainter>
#include <cmath>

Q_LOGGING_CATEGORY(lcDraw, "zelvane.draw", QtWarningMsg)

namespace {

// The region of a picture scaled to width × height in the picture's own
// orientation, then turned clockwise by rotation. Scaling down averages
// areas (Qt's smooth scaling), so no detail aliases into the result.
QImage ScaleAndTurn(const QImage& picture, const QRect& region, int width, int height, int rotation) {
  const QRect clipped = region.intersected(picture.rect());
  if (clipped.isEmpty() || width <= 0 || height <= 0) return {};
  const QImage part = clipped == picture.rect() ? picture : picture.copy(clipped);
  QImage scaled = part.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (rotation != 0) scaled = scaled.transformed(QTransform().rotate(rotation));
  return scaled.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage TImageScaled::RenderReduced(const TGPRect& stored, int width, int height) {
  TGPStatus status = Ok;
  const TGPRect full = ImageToDraw->PictureRect();
  TReducedPicture reduced = TReducedPicture::Load(ImageToDraw->FileName, full.Width, full.Height, stored, width,
                                                  height, status, Preview ? &*Preview : nullptr);
  Preview.reset();
  if (status != Ok) return {};
  if (RedEyes)
    for (size_t i = 0; i < PaintedCount(*RedEyes); ++i) reduced.ApplyRedEye(*(*RedEyes)[i]);
  const QRect region(int(std::lround(stored.X * reduced.ScaleX)), int(std::lround(stored.Y * reduced.ScaleY)),
                     std::max(1, int(std::lround(stored.Width * reduced.ScaleX))),
                     std::max(1, int(std::lround(stored.Height * reduced.ScaleY))));
  return ScaleAndTurn(reduced.Image, region, width, height, Rotation);
}

QImage TImageScaled::Render() {
  const int w = DrawRect.Width;
  const int h = DrawRect.Height;
  // The visible part in the picture's stored orientation, and the size it
  // takes there before the turn.
  const TGPRect stored = RotateRect(SourceRect, (360 - Rotation) % 360, Frame.Width, Frame.Height);
  const bool quarter = Rotation % 180 != 0;
  const int storedWidth = quarter ? h : w;
  const int storedHeight = quarter ? w : h;
  if (ReducedDecode && !ImageToDraw->IsLoaded() && ImageToDraw->PictureRect().Width > 0) {
    QImage result = RenderReduced(stored, storedWidth, storedHeight);
    if (!result.isNull()) return result;
    // The reduced decode failed: the full load reports why (or succeeds).
    ImageToDraw->EnsureLoaded();
    if (!ImageToDraw->LoadFailure().Message.isEmpty()) return {};
    if (const auto loaded = ImageToDraw->Attributes().RedEyes) RedEyes = loaded;
    PaintRedEyes();
  }
  std::lock_guard locker(ImageToDraw->Lock);
  // Loaded above and pinned by this view; a load that failed left no picture.
  const TGPImage* picture = ImageToDraw->Image.get();
  if (!picture || picture->IsNull()) {
    qCWarning(lcDraw) << "GDI drawing error:" << int(WrongState);
    QImage blank(w, h, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
  }
  return ScaleAndTurn(picture->Image(), stored.ToQRect(), storedWidth, storedHeight, Rotation);
}

const QImage* TImageScaled::GetScaledBitmap() {
  EnsureInit();
  if (!Bitmap.isNull()) return &Bitmap;
  if (!ImageToDraw->LoadFailure().Message.isEmpty() || DrawRect.Width < 1 || DrawRect.Height < 1) return nullptr;
  Bitmap = Render();
  if (Bitmap.isNull()) return nullptr;
  return &Bitmap;
}

void TImageScaled::Draw(QPainter& painter) {
  EnsureInit();
  if (AutoRotate) FitOrientation();
  const QImage* bitmap = GetScaledBitmap();
  const TImageToDraw::TLoadFailure failure = ImageToDraw->LoadFailure();
  const QString& error = failure.Message;
  if (!error.isEmpty()) {
    if (DrawRect.Width <= 0 || DrawRect.Height <= 0) DrawRect = TargetRect;
    const QRect box = DrawRect.ToQRect();
    painter.fillRect(box, QColor::fromRgba(0xFFFF0000u));
    painter.save();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(0xFFFFFFFFu));
    // The message and its cause, as the list's tool tip gives them.
    const QString& reason = failure.Reason;
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     reason.isEmpty() ? error : error + u'\n' + reason);
    painter.restore();
    return;
  }
  if (bitmap) painter.drawImage(QPoint(DrawRect.X, DrawRect.Y), *bitmap);
}

void TImageScaled::DrawDirect(QPainter& painter) {
  EnsureInit();
  ImageToDraw->EnsureLoaded();
  if (AutoRotate) FitOrientation();
  if (!ImageToDraw->LoadFailure().Message.isEmpty() || DrawRect.Width <= 0 || DrawRect.Height <= 0) return;
  const TGPRect stored = RotateRect(SourceRect, (360 - Rotation) % 360, Frame.Width, Frame.Height);
  std::lock_guard locker(ImageToDraw->Lock);
  // Loaded above and pinned by this view; a load that failed left no picture.
  const TGPImage* picture = ImageToDraw->Image.get();
  if (!picture || picture->IsNull()) return;
  QImage part = picture->Image().copy(stored.ToQRect());
  if (Rotation != 0) part = part.transformed(QTransform().rotate(Rotation));
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(DrawRect.ToQRect(), part);
  painter.restore();
}

bool TImageScaled::IsReady() const {
  return Initialized && !Bitmap.isNull();
}

bool TImageScaled::IsSettled() const {
  return Initialized && (!Bitmap.isNull() || !ImageToDraw->LoadFailure().Message.isEmpty() || DrawRect.IsEmpty());
}

bool TImageScaled::QueueJob(TJobQueue& queue, bool first) {
  // While a worker has the view, nothing it writes is read here; once it has
  // let go (Queued false), all it wrote is visible.
  if (Queued) return false;
  const bool ready = IsReady() || !ImageToDraw->LoadFailure().Message.isEmpty();
  if (!ready) {
    Queued = true;
    TJob job = [this](TJobThread& worker) { RunJob(&worker); };
    if (first)
      queue.AddFirst(std::move(job));
    else
      queue.Add(std::move(job));
  }
  return ready;
}

void TImageScaled::RunJob(TJobThread* worker) {
  if (!Cancelled) {
    EnsureInit();
    Recalc(false);
    if (!Cancelled && ImageToDraw->LoadFailure().Message.isEmpty()) GetScaledBitmap();
  }
  Queued = false;
  if (OnJobDone) OnJobDone(this, worker);
}
