// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagetodraw.h"

#include "gpimage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

TImageToDraw::TImageToDraw(const QString& fileName) : FileName(fileName), FReader(ImageFormats::ReaderOf(fileName)) {
  FAttributes.Name = ShortName();
  CanSave = HasSaveableName();
  FAttributes.DateTime = DateTimeUtil::FileDate(fileName);
}

TImageToDraw::~TImageToDraw() = default;

TPhotoAttributes TImageToDraw::Attributes() const { return Read(FAttributes); }

void TImageToDraw::SetAttributes(const TPhotoAttributes& attributes) {
  std::lock_guard locker(Lock);
  FAttributes = attributes;
}

void TImageToDraw::NoteKnownFailure(const QString& message, const QString& reason) {
  std::lock_guard locker(Lock);
  if (!ErrorMessage.isEmpty()) return;
  ErrorMessage = message;
  ErrorReason = reason;
}

bool TImageToDraw::ShowsAsStored() const {
  std::lock_guard locker(Lock);
  return ErrorMessage.isEmpty() && ExifOrientation == 1 && (!FAttributes.RedEyes || FAttributes.RedEyes->empty()) &&
         (FAttributes.ROI.IsEmpty() || FAttributes.ROI == ImageRect);
}

int TImageToDraw::PinCount() const { return Read(UsageCount); }

bool TImageToDraw::AttributesRead() const { return Read(AttributesLoaded); }

int TImageToDraw::StoredOrientation() const { return Read(ExifOrientation); }

bool TImageToDraw::Saveable() const { return Read(CanSave); }

TGPRect TImageToDraw::PictureRect() const { return Read(ImageRect); }

TImageToDraw::TLoadFailure TImageToDraw::LoadFailure() const {
  std::lock_guard locker(Lock);
  return {ErrorMessage, ErrorReason};
}

bool TImageToDraw::HasSaveableName() const {
  // A JPEG takes the attributes in the file, every other photo in a sidecar.
  return FReader != ImageFormats::TReader::None;
}

bool TImageToDraw::IsWritable() const {
  // Read-only means: the owner may not write it (what a file manager shows as
  // read-only, and what holds even for root), or we may not.
  const QFileInfo info(FileName);
  return info.exists() && (info.permissions() & QFileDevice::WriteOwner) &&
         ::access(QFile::encodeName(FileName).constData(), W_OK) == 0;
}

QString TImageToDraw::CannotSaveReason() const {
  if (CanSave) return QString();
  if (!ErrorMessage.isEmpty()) return TLoadFailure{ErrorMessage, ErrorReason}.Line();
  if (!HasSaveableName()) return QCoreApplication::translate("TImageToDraw", "Only .jpg files can hold the attributes");
  if (!KeepsAttributesInFile()) return SidecarRefusal;
  if (!IsWritable()) return QCoreApplication::translate("TImageToDraw", "Read-only file");
  return QCoreApplication::translate("TImageToDraw", "Only JPEG photos can hold the attributes");
}

QString TImageToDraw::ShortName() const {
  // On this system only "/" separates folders; "\\" and ":" are ordinary
  // characters of a file name.
  return FileName.mid(FileName.lastIndexOf(u'/') + 1);
}

void TImageToDraw::AcquireImage() {
  std::lock_guard locker(Lock);
  ++UsageCount;
}

void TImageToDraw::ReleaseImage() {
  std::lock_guard locker(Lock);
  if (--UsageCount <= 0) {
    UsageCount = 0;
    FreeImage();
  }
}

void TImageToDraw::FreeImage() {
  FLoaded.store(false, std::memory_order_release);
  Image.reset();
}

void TImageToDraw::SetImage(std::unique_ptr<TGPImage> image) {
  Image = std::move(image);
  FLoaded.store(Image != nullptr, std::memory_order_release);
}

void TImageToDraw::EnsureLoaded() {
  if (IsLoaded()) return;
  std::lock_guard locker(Lock);
  if (!IsLoaded()) DoLoadImage();
}

TGPImage* TImageToDraw::GetImage() {
  EnsureLoaded();
  return Image.get();
}

void TImageToDraw::DoChange() {
  if (OnChange) OnChange(this);
}

std::unique_ptr<TRedEyes> TImageToDraw::CreateRedEye(QPoint point, int tolerance, int radius) {
  std::lock_guard locker(Lock);
  if (!Image) return nullptr;
  auto correction = std::make_unique<TRedEyes>(point.x(), point.y(), radius, tolerance);
  if (!correction->Compute(*Image)) return nullptr;
  return correction;
}

void TImageToDraw::ApplyRedEye(TRedEyes& correction) {
  std::lock_guard locker(Lock);
  if (Image) correction.Apply(*Image);
}

void TImageToDraw::RestoreRedEye(TRedEyes& correction) {
  std::lock_guard locker(Lock);
  if (Image) correction.Restore(*Image);
}

void TImageToDraw::ApplyRedEyes() {
  std::lock_guard locker(Lock);
  DoApplyRedEyes();
}

void TImageToDraw::DoApplyRedEyes() {
  if (!Image || !FAttributes.RedEyes) return;
  for (size_t i = 0; i < PaintedCount(*FAttributes.RedEyes); ++i) (*FAttributes.RedEyes)[i]->Apply(*Image);
}
