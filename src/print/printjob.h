// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include <QList>
#include <QString>
#include <functional>

class QPrinter;
class TImageToDraw;
struct TPrintLayout;

// Prints pages of a layout, one photo decoded at a time (at the resolution
// the paper needs, at most 300 pixels per inch), for the print window and
// zelvane-print. A PDF is written to a temporary file beside it and renamed
// at the end, so a failed or cancelled job leaves any earlier file as it was.
class TPrintJob {
public:
  enum TResult { Printed, Cancelled, Failed };

  // After each photo: (photos done, photos to print); false cancels the job.
  std::function<bool(int done, int total)> OnProgress;
  // Decodes every photo whole and hands the whole picture to the printer
  // (the reference the benchmark compares with).
  bool FullDecode = false;
  // A photo that could not be read (printed as the red box with its message).
  std::function<void(TImageToDraw* record)> OnPhotoFailed;

  // Prints pages fromPage..toPage (1-based, clamped to the layout's pages);
  // reason says why a job failed.
  TResult Run(QPrinter& printer, const TPrintLayout& layout, const QList<TPhotoRecord>& records, int fromPage,
              int toPage, QString& reason);

  [[nodiscard]] int PrintedImages() const { return FImages; }
  [[nodiscard]] int PrintedPages() const { return FPages; }

private:
  int FImages = 0;
  int FPages = 0;
};
