// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <cmath>

#include "heifpicture.h"
#include "metadatafile.h"
#include "photofile.h"

namespace {

QString TrPicture(const char* text) { return QCoreApplication::translate("TPictureFile", text); }

QString TooLarge(qint64 pixels) {
  return TrPicture(QT_TRANSLATE_NOOP("TPictureFile", "the picture is too large (%1 megapixels; at most %2 are read)"))
      .arg(pixels / 1000000)
      .arg(TGPImage::MaxPixels / 1000000);
}

// The size a picture's data says it has, without decoding it.
QSize SizeOfData(const QByteArray& data) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  return reader.size();
}

// A smaller picture stands in for a larger one only with the same shape: a
// camera's 160 × 120 thumbnail of a 3:2 picture carries black bars.
bool SameShape(QSize a, QSize b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const double ra = double(a.width()) / a.height(), rb = double(b.width()) / b.height();
  return std::abs(ra - rb) <= 0.02 * rb;
}

bool Covers(QSize candidate, QSize need) {
  return candidate.width() >= need.width() && candidate.height() >= need.height();
}

QImage ToArgb(const QImage& image) {
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace

TPictureFile::TPictureFile(const QString& path, ImageFormats::TReader reader) : FPath(path), FReader(reader) {
  using ImageFormats::TReader;
  if (reader == TReader::Heif) {
    FHeif = std::make_unique<THeifPicture>(path, MaxPixels);
    FSize = FHeif->Size();
    if (FHeif->Status() != Ok) Fail(FHeif->Status(), FHeif->Reason());
    return;
  }
  // Missing files, folders, pipes and devices are refused here, with the
  // system's reason, before any library opens the name.
  TPhotoFile file(path);
  if (!file.IsOpen()) {
    Fail(file.Status(), file.Reason());
    return;
  }
  FMetadata = std::make_unique<TMetadataFile>(path);
  if (reader == TReader::Raw) {
    const QList<TMetadataFile::TPreview>& previews = FMetadata->Previews();
    // The largest preview whose size is known (or can be read from its data).
    for (int i = int(previews.size()) - 1; i >= 0 && FLargestPreview < 0; --i) {
      QSize size(previews[i].Width, previews[i].Height);
      if (size.isEmpty()) size = SizeOfData(FMetadata->PreviewData(i));
      if (size.isEmpty()) continue;
      FLargestPreview = i;
      FSize = size;
    }
    if (FLargestPreview < 0) {
      Fail(GenericError, TrPicture(QT_TRANSLATE_NOOP("TPictureFile", "no preview in this raw file")));
      return;
    }
  } else {
    // Qt reads the file already opened.
    QFile device;
    if (!device.open(file.Handle(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
      Fail(Win32Error, device.errorString());
      return;
    }
    QImageReader qt(&device);
    qt.setDecideFormatFromContent(true);
    FSize = qt.size();
    if (qt.format().isEmpty() || !FSize.isValid() || FSize.isEmpty()) {
      Fail(UnknownImageFormat, QString());
      return;
    }
  }
  const qint64 pixels = qint64(FSize.width()) * FSize.height();
  if (pixels > MaxPixels) Fail(OutOfMemory, TooLarge(pixels));
}

TPictureFile::~TPictureFile() = default;

void TPictureFile::Fail(TGPStatus status, const QString& reason) {
  FStatus = status;
  FReason = reason;
}

QByteArray TPictureFile::Tiff() const {
  if (FHeif) return FHeif->Exif();
  return FMetadata ? FMetadata->Tiff() : QByteArray();
}

QByteArray TPictureFile::Xmp() const {
  if (FHeif) return FHeif->Xmp();
  return FMetadata ? FMetadata->Xmp() : QByteArray();
}

QImage TPictureFile::Decode(TGPStatus& status, QString& reason) const {
  status = FStatus;
  reason = FReason;
  if (FStatus != Ok) return {};
  if (FHeif) return FHeif->Decode(status, reason);
  if (FReader == ImageFormats::TReader::Raw) return DecodePreview(FLargestPreview, status, reason);
  return DecodeQt(QSize(), status, reason);
}

QImage TPictureFile::Reduced(QSize need, TGPStatus& status, QString& reason, bool* fromEmbedded) const {
  if (fromEmbedded) *fromEmbedded = false;
  status = FStatus;
  reason = FReason;
  if (FStatus != Ok) return {};
  const auto embedded = [&](const QImage& image) {
    if (fromEmbedded) *fromEmbedded = !image.isNull();
    return image;
  };
  if (FHeif) {
    const QList<QSize> sizes = FHeif->ThumbnailSizes();
    int best = -1;
    for (int i = 0; i < sizes.size(); ++i)
      if (Covers(sizes[i], need) && SameShape(sizes[i], FSize) &&
          (best < 0 || sizes[i].width() * sizes[i].height() < sizes[best].width() * sizes[best].height()))
        best = i;
    if (best >= 0) {
      QImage thumb = FHeif->DecodeThumbnail(best);
      if (!thumb.isNull()) return embedded(thumb);
    }
    return FHeif->Decode(status, reason);
  }
  // The smallest preview (smallest first) that covers the need; a raw
  // file's are used from MinRawThumbnail pixels up.
  const bool raw = FReader == ImageFormats::TReader::Raw;
  const QList<TMetadataFile::TPreview>& previews = FMetadata->Previews();
  for (int i = 0; i < previews.size(); ++i) {
    const QSize size(previews[i].Width, previews[i].Height);
    if (i == FLargestPreview || !Covers(size, need) || !SameShape(size, FSize)) continue;
    if (raw && std::max(size.width(), size.height()) < MinRawThumbnail) continue;
    TGPStatus previewStatus = Ok;
    QString previewReason;
    QImage image = DecodePreview(i, previewStatus, previewReason);
    if (!image.isNull() && image.size() == size) return embedded(image);
  }
  if (raw) return embedded(DecodePreview(FLargestPreview, status, reason));
  // Qt's readers scale while decoding where the format allows (WebP).
  return DecodeQt(FSize.scaled(need, Qt::KeepAspectRatioByExpanding).boundedTo(FSize), status, reason);
}

QImage TPictureFile::DecodePreview(int index, TGPStatus& status, QString& reason) const {
  const QByteArray data = FMetadata ? FMetadata->PreviewData(index) : QByteArray();
  const TGPImage image = TGPImage::FromData(data);
  status = image.Status();
  if (status != Ok) {
    reason = status == OutOfMemory ? TooLarge(qint64(FSize.width()) * FSize.height())
                                   : TrPicture(QT_TRANSLATE_NOOP("TPictureFile", "no preview in this raw file"));
    if (status != OutOfMemory) status = GenericError;
    return {};
  }
  return image.Image();
}

QImage TPictureFile::DecodeQt(QSize scaled, TGPStatus& status, QString& reason) const {
  TPhotoFile file(FPath);
  QFile device;
  if (!file.IsOpen() || !device.open(file.Handle(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
    status = file.IsOpen() ? Win32Error : file.Status();
    reason = file.Reason();
    return {};
  }
  QImageReader reader(&device);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(false);
  reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024) + 1));
  const QSize size = reader.size();
  if (size != FSize) {  // the file changed since it was opened
    status = GenericError;
    reason.clear();
    return {};
  }
  if (scaled.isValid() && !scaled.isEmpty() && scaled != size) reader.setScaledSize(scaled);
  QImage image;
  if (!reader.read(&image)) {
    status = reader.error() == QImageReader::UnsupportedFormatError ? UnknownImageFormat : GenericError;
    reason.clear();
    return {};
  }
  status = Ok;
  reason.clear();
  return ToArgb(image);
}
