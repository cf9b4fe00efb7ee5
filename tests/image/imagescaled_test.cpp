// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "jpegsegments.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <gtest/gtest.h>
#include <thread>

using namespace TestSupport;

namespace {

// A small JPEG whose frame header claims 4000 × 3000: enough for geometry,
// which reads only the header.
QString BigHeaderPhoto(const TSandbox& box) {
  QByteArray jpeg = EncodeJpeg(Pattern(40, 30));
  const qsizetype sof = jpeg.indexOf("\xFF\xC0");
  jpeg[sof + 5] = char(3000 >> 8);
  jpeg[sof + 6] = char(3000 & 0xFF);
  jpeg[sof + 7] = char(4000 >> 8);
  jpeg[sof + 8] = char(4000 & 0xFF);
  return box.Write("big.jpg", jpeg);
}

std::unique_ptr<TImageScaled> GeometryView(TImageToDraw& record, TGPRect target) {
  auto view = std::make_unique<TImageScaled>(&record);
  view->ReducedDecode = true;
  view->SetTargetRect(target);
  view->EnsureInit();
  return view;
}

QImage Reference(const QImage& source, int w, int h, int rotation = 0) {
  QImage scaled = source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return rotation ? scaled.transformed(QTransform().rotate(rotation)) : scaled;
}

}  // namespace

TEST(ImageScaled, FitsTheWholePictureIntoTheTarget) {
  TSandbox box;
  TImageToDraw record(BigHeaderPhoto(box));
  auto view = GeometryView(record, {0, 0, 160, 160});
  EXPECT_EQ(view->SourceRect, (TGPRect{0, 0, 4000, 3000}));
  EXPECT_EQ(view->DrawRect, (TGPRect{0, 20, 160, 120}));
  view->SetTargetRect({10, 10, 160, 160});
  EXPECT_EQ(view->DrawRect, (TGPRect{10, 30, 160, 120}));
}

TEST(ImageScaled, AutoRotateTurnsTowardsTheTargetsOrientation) {
  TSandbox box;
  TImageToDraw record(BigHeaderPhoto(box));
  auto tall = GeometryView(record, {0, 0, 100, 200});
  tall->AutoRotate = true;
  tall->FitOrientation();
  EXPECT_EQ(tall->Rotation, 90);
  EXPECT_EQ(tall->Frame, (TGPRect{0, 0, 3000, 4000}));
  EXPECT_EQ(tall->DrawRect, (TGPRect{0, 33, 100, 133}));
  auto square = GeometryView(record, {0, 0, 100, 100});
  square->FitOrientation();
  EXPECT_EQ(square->Rotation, 90);
  square->SetAutoRotate(true);
  square->SetAutoRotate(false);  // back to the photo's own rotation
  EXPECT_EQ(square->Rotation, 0);
}

TEST(ImageScaled, ZoomAtZoomOutAndRotation) {
  TSandbox box;
  TImageToDraw record(BigHeaderPhoto(box));
  auto view = GeometryView(record, {0, 0, 400, 300});
  view->ZoomAt({200, 150});
  EXPECT_EQ(view->SourceRect, (TGPRect{0, 0, 4000, 3000}));
  view->ZoomAt({10, 10});  // near the corner: a strong zoom
  EXPECT_EQ(view->ZoomRect, (TGPRect{0, 0, 200, 200}));
  EXPECT_EQ(view->SourceRect, (TGPRect{0, 0, 266, 200}));
  EXPECT_TRUE(view->IsZoomed());
  view->ResetZoom();
  view->ZoomOut();
  EXPECT_EQ(view->ZoomRect, (TGPRect{0, 0, 4000, 3000}));
  EXPECT_FALSE(view->IsZoomed());
  view->SetRotation(-90);
  EXPECT_EQ(view->Rotation, 270);
  EXPECT_EQ(view->Frame, (TGPRect{0, 0, 3000, 4000}));
}

TEST(ImageScaled, RegionOfInterestFromTheScreenIsClippedAndStoredUnrotated) {
  TSandbox box;
  TImageToDraw record(BigHeaderPhoto(box));
  auto view = GeometryView(record, {0, 0, 400, 300});
  int changes = 0;
  view->OnChange = [&](TImageScaled*) { ++changes; };
  // Starting left of the picture: X is clipped (the width is kept as dragged).
  view->SetROIFromScreen({-50, 100, 200, 100});
  EXPECT_EQ(view->ROIRect, (TGPRect{0, 1000, 2000, 1000}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(view->ScreenROI(), (TGPRect{0, 100, 200, 100}));
  // Taller than the picture: the whole height.
  view->SetROIFromScreen({100, -10, 50, 400});
  EXPECT_EQ(view->ROIRect, (TGPRect{1000, 0, 500, 3000}));
  view->SetROIFromScreen({300, 200, 200, 200});  // past the lower right corner
  EXPECT_EQ(view->ROIRect, (TGPRect{3000, 2000, 1000, 1000}));
  view->SetRotation(90);
  EXPECT_EQ(view->ROIRect, (TGPRect{0, 3000, 1000, 1000}));
  EXPECT_EQ(view->GetStoredROI(), (TGPRect{3000, 2000, 1000, 1000}));
  view->ResetROI();
  EXPECT_EQ(view->ROIRect, (TGPRect{0, 0, 3000, 4000}));
}

TEST(ImageScaled, AnEmptyOrOutsideRegionOfInterestIsTheWholePicture) {
  TSandbox box;
  TImageToDraw record(BigHeaderPhoto(box));  // 4000 × 3000
  record.LoadAttributes();
  for (const TGPRect& roi : {TGPRect{0, 0, 0, 0}, TGPRect{10, 10, 0, 50}, TGPRect{5000, 500, 10, 10},
                             TGPRect{-100, 0, 50, 50}, TGPRect{0, 3000, 100, 100}}) {
    ChangeAttributes(record, [&](auto& a) { a.ROI = roi; });
    auto view = GeometryView(record, {0, 0, 400, 300});
    view->SetUseROI(true);
    EXPECT_EQ(view->ROIRect, (TGPRect{0, 0, 4000, 3000}));
    EXPECT_EQ(view->SourceRect, (TGPRect{0, 0, 4000, 3000}));
  }
  ChangeAttributes(record, [&](auto& a) { a.ROI = {100, 100, 400, 300}; });  // a real one stays as it is
  EXPECT_EQ(GeometryView(record, {0, 0, 400, 300})->ROIRect, (TGPRect{100, 100, 400, 300}));
}

TEST(ImageScaled, ARedEyeClickOutsideThePictureAddsNothing) {
  TSandbox box;
  TImageToDraw record(box.Write("p.jpg", EncodeJpeg(Pattern(400, 300))));
  TImageScaled view(&record);
  view.SetTargetRect({0, 0, 400, 400});
  view.EnsureInit();
  ASSERT_EQ(view.DrawRect, (TGPRect{0, 50, 400, 300}));
  EXPECT_FALSE(view.AddRedEyeAt({200, 20}, 0, 7));  // in the band above
  EXPECT_FALSE(view.AddRedEyeAt({0, 100}, 0, 7));   // on the edge
  EXPECT_FALSE(view.HasRedEyes());
  EXPECT_FALSE(view.RedoLastRedEye(0, 7));
}

TEST(ImageScaled, RenderingMatchesTheSmoothlyScaledPictureInEveryRotation) {
  TSandbox box;
  const QImage source = Pattern(800, 600);
  const QString path = box.Write("p.jpg", EncodeJpeg(source, 95));
  for (int rotation : {0, 90, 180, 270}) {
    TImageToDraw record(path);
    record.EnsureLoaded();  // a load re-reads the stored rotation: set it after
    ChangeAttributes(record, [&](auto& a) { a.Rotation = rotation; });
    TImageScaled view(&record);
    view.SetTargetRect({0, 0, 64, 64});
    const QImage* bitmap = view.GetScaledBitmap();
    ASSERT_NE(bitmap, nullptr);
    const bool quarter = rotation % 180 != 0;
    EXPECT_EQ(bitmap->size(), quarter ? QSize(48, 64) : QSize(64, 48)) << rotation;
    EXPECT_LT(MeanDifference(*bitmap, Reference(source, 64, 48, rotation)), 4.0) << rotation;
  }
}

TEST(ImageScaled, ReducedDecodeLooksLikeTheFullPictureAndKeepsNothingLoaded) {
  TSandbox box;
  const QImage source = Pattern(2400, 1800);
  const QString path = box.Write("p.jpg", EncodeJpeg(source, 92));
  for (int rotation : {0, 90}) {
    TImageToDraw fullRecord(path), reducedRecord(path);
    fullRecord.EnsureLoaded();
    reducedRecord.LoadAttributes();
    for (TImageToDraw* record : {&fullRecord, &reducedRecord})
      ChangeAttributes(*record, [&](auto& a) {
        a.Rotation = rotation;
        a.ROI = {600, 300, 1200, 900};
      });
    TImageScaled full(&fullRecord), reduced(&reducedRecord);
    full.UseROI = reduced.UseROI = true;
    reduced.ReducedDecode = true;
    full.SetTargetRect({0, 0, 64, 64});
    reduced.SetTargetRect({0, 0, 64, 64});
    const QImage* a = full.GetScaledBitmap();
    const QImage* b = reduced.GetScaledBitmap();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->size(), b->size());
    EXPECT_LT(MeanDifference(*a, *b), 3.0) << rotation;
    EXPECT_EQ(reducedRecord.LoadCount(), 0);  // never decoded whole
    EXPECT_FALSE(reducedRecord.IsLoaded());
  }
}

TEST(ImageScaled, ErrorBoxForARecordThatFailedToLoad) {
  TSandbox box;
  TImageToDraw record(box.Path("missing.jpg"));
  TImageScaled view(&record);
  view.ReducedDecode = true;
  view.SetTargetRect({0, 0, 64, 64});
  QImage canvas(64, 64, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  view.Draw(painter);
  painter.end();
  EXPECT_EQ(record.LoadFailure().Message, QStringLiteral("Error 10"));
  EXPECT_EQ(view.GetScaledBitmap(), nullptr);
  EXPECT_EQ(view.DrawRect, (TGPRect{0, 0, 64, 64}));
  int red = 0, white = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      red += canvas.pixel(x, y) == qRgb(255, 0, 0);
      white += qRed(canvas.pixel(x, y)) > 200 && qGreen(canvas.pixel(x, y)) > 200;
    }
  EXPECT_GT(red, 64 * 64 / 2);
  EXPECT_GT(white, 10);  // the message
}

TEST(ImageScaled, BackgroundJobRendersOnAWorkerAndCancelSkipsTheWork) {
  TSandbox box;
  const QString path = box.Write("p.jpg", EncodeJpeg(Pattern(1200, 900)));
  TImageToDraw record(path), other(path);
  TJobQueue queue(2, QThread::LowestPriority);
  std::atomic<int> done{0};
  std::atomic<TJobThread*> doneOn{nullptr};  // written by either worker
  TImageScaled view(&record), cancelled(&other);
  for (TImageScaled* v : {&view, &cancelled}) {
    v->ReducedDecode = true;
    v->SetTargetRect({0, 0, 64, 64});
    v->OnJobDone = [&](TImageScaled*, TJobThread* worker) {
      doneOn = worker;
      ++done;
    };
  }
  cancelled.Cancel();
  // Both workers busy until the jobs are queued: the second call must find
  // the first job still waiting, not already done.
  std::atomic<bool> release{false};
  std::atomic<int> busy{0};
  for (int i = 0; i < 2; ++i)
    queue.Add([&](TJobThread&) {
      ++busy;
      while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
  ASSERT_TRUE(WaitFor([&] { return busy == 2; }));
  EXPECT_FALSE(view.QueueJob(queue));
  EXPECT_FALSE(view.QueueJob(queue));  // queued once only
  EXPECT_FALSE(cancelled.QueueJob(queue));
  release = true;
  ASSERT_TRUE(WaitFor([&] { return done == 2; }));
  EXPECT_NE(doneOn, nullptr);
  EXPECT_TRUE(view.IsReady());
  EXPECT_EQ(view.Bitmap.size(), QSize(64, 48));
  EXPECT_FALSE(cancelled.IsReady());
  EXPECT_FALSE(view.Queued);
  EXPECT_TRUE(view.QueueJob(queue));  // ready: draw at once
}
