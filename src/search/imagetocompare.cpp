// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagetocompare.h"

#include "imagetodraw.h"
#include "searchattributes.h"
#include "searchmatch.h"

#include <QFile>
#include <sys/stat.h>

TImageToCompare::TImageToCompare(const QString& fileName, const TSearchAttributes& criteria)
    : FFileName(fileName), FCriteria(criteria) {}

TImageToCompare::~TImageToCompare() = default;

void TImageToCompare::Run() {
  FMatch = false;
  TImageToDraw record(FFileName);
  if (FullDecode) {
    TImagePin pin(record);
    record.EnsureLoaded();
  } else {
    record.LoadAttributes();
  }
  FError = record.LoadFailure().Message;
  struct stat info {};
  if (!FError.isEmpty() && ::stat(QFile::encodeName(FFileName).constData(), &info) != 0) {
    FVanished = true;  // deleted (or its link broken) since it was listed
    return;
  }
  FMatch = SearchMatch::Matches(FCriteria, TSearchedPhoto::Of(record));
}
