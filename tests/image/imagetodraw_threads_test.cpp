// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpimage.h"
#include "imagetodraw.h"
#include "testsupport.h"

#include <gtest/gtest.h>
#include <latch>
#include <thread>
#include <vector>

using namespace TestSupport;

TEST(ImageToDrawThreads, ConcurrentEnsureLoadedDecodesOnce) {
  TSandbox box;
  const QString path = box.Write("big.jpg", EncodeJpeg(Pattern(1600, 1200)));
  for (int round = 0; round < 5; ++round) {
    TImageToDraw record(path);
    constexpr int Threads = 8;
    std::latch start(Threads);
    std::vector<TGPImage*> seen(Threads, nullptr);
    std::vector<TImagePin> pins(Threads);  // each thread's hold, kept past its end
    std::vector<std::thread> threads;
    for (int i = 0; i < Threads; ++i)
      threads.emplace_back([&, i] {
        pins[size_t(i)] = TImagePin(record);
        start.arrive_and_wait();
        record.EnsureLoaded();
        seen[size_t(i)] = record.GetImage();
      });
    for (auto& t : threads) t.join();
    EXPECT_EQ(record.LoadCount(), 1);
    for (TGPImage* image : seen) EXPECT_EQ(image, seen[0]);
    EXPECT_NE(seen[0], nullptr);
    EXPECT_EQ(record.PinCount(), Threads);
  }
}

TEST(ImageToDrawThreads, TheLastReleaseFreesThePicture) {
  TSandbox box;
  TImageToDraw record(box.Write("p.jpg", EncodeJpeg(Pattern(200, 100))));
  std::vector<std::thread> threads;
  std::atomic<int> sawPixels{0};
  for (int i = 0; i < 6; ++i)
    threads.emplace_back([&] {
      for (int n = 0; n < 20; ++n) {
        TImagePin pin(record);
        record.EnsureLoaded();
        if (const TGPImage* image = record.GetImage(); image && image->Width() == 200) ++sawPixels;
        pin.Release();
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(sawPixels.load(), 120);
  EXPECT_EQ(record.PinCount(), 0);
  EXPECT_FALSE(record.IsLoaded());
}

// Attributes go in and out whole: a reader on another thread never sees one
// write's name beside another write's description or location.
TEST(ImageToDrawThreads, AttributeSnapshotsAreNeverMixed) {
  TSandbox box;
  TImageToDraw record(box.Write("p.jpg", EncodeJpeg(Pattern(8, 8))));
  TPhotoAttributes start = record.Attributes();
  start.Name = start.Description = start.Location = QStringLiteral("start");
  record.SetAttributes(start);
  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int n = 0; n < 20000; ++n) {
      TPhotoAttributes a = record.Attributes();
      a.Name = a.Description = a.Location = QStringLiteral("value %1").arg(n);
      a.Rotation = (n % 4) * 90;
      record.SetAttributes(a);
    }
    done = true;
  });
  int reads = 0, mixed = 0;
  // At least one read, however fast the writer is.
  do {
    const TPhotoAttributes a = record.Attributes();
    if (a.Name != a.Description || a.Name != a.Location) ++mixed;
    ++reads;
  } while (!done);
  writer.join();
  EXPECT_EQ(mixed, 0);
  EXPECT_GT(reads, 0);
  const TPhotoAttributes last = record.Attributes();
  EXPECT_EQ(last.Name, QStringLiteral("value 19999"));
  EXPECT_EQ(last.Rotation, 270);
  TPhotoAttributes copy = last;
  EXPECT_EQ(copy, last);
  copy.RedEyes = std::make_shared<TRedEyesList>();  // an empty list equals none
  EXPECT_EQ(copy, last);
  copy.RedEyes->push_back(std::make_unique<TRedEyes>(1, 2, 3, 0));
  EXPECT_NE(copy, last);
}
