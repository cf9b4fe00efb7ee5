// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadatafile.h"

#include <QFile>
#include <QLoggingCategory>
#include <mutex>

#include "metadatalibrary.h"
#include "photofile.h"

// The metadata library's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

Q_LOGGING_CATEGORY(lcMetadataFile, "zelvane.metadatafile", QtWarningMsg)

namespace {

// What the attributes are read from; everything else of a raw file's EXIF
// (its strips, maker notes, sensor data) stays out of the block.
const char* const Keys[] = {
    "Exif.Image.Orientation",      "Exif.Image.Make", "Exif.Image.Model", "Exif.Image.ImageDescription",
    "Exif.Photo.DateTimeOriginal",
};

// A larger preview than this is not one (a damaged length).
constexpr uint32_t MaxPreviewBytes = 256u * 1024 * 1024;

}  // namespace

struct TMetadataFile::TData {
  Exiv2::Image::AutoPtr Image;
  Exiv2::PreviewPropertiesList Properties;  // in the order of Previews
};

TMetadataFile::TMetadataFile(const QString& path) : D(std::make_unique<TData>()) {
  // The library opens files by name and would wait on a pipe: only a
  // regular file gets that far.
  {
    const TPhotoFile file(path);
    if (!file.IsOpen()) {
      FStatus = file.Status();
      return;
    }
  }
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    D->Image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    if (!D->Image.get()) {
      FStatus = UnknownImageFormat;
      return;
    }
    D->Image->readMetadata();
    const Exiv2::ExifData& exif = D->Image->exifData();
    Exiv2::ExifData picked;
    for (const char* key : Keys) {
      const auto it = exif.findKey(Exiv2::ExifKey(key));
      if (it != exif.end() && it->size() > 0 && it->size() < 64 * 1024) picked.add(*it);
    }
    if (!picked.empty()) {
      Exiv2::Blob blob;
      Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, picked);
      FTiff = QByteArray(reinterpret_cast<const char*>(blob.data()), qsizetype(blob.size()));
    }
    const std::string& xmp = D->Image->xmpPacket();
    FXmp = QByteArray(xmp.data(), qsizetype(xmp.size()));
    Exiv2::PreviewManager previews(*D->Image);
    for (const Exiv2::PreviewProperties& p : previews.getPreviewProperties()) {
      if (p.size_ == 0 || p.size_ > MaxPreviewBytes) continue;
      D->Properties.push_back(p);
      FPreviews.append({int(p.width_), int(p.height_), qint64(p.size_)});
    }
  } catch (const std::exception& e) {
    qCDebug(lcMetadataFile) << path << "cannot be read:" << e.what();
    FStatus = GenericError;
  } catch (...) {
    FStatus = GenericError;
  }
}

TMetadataFile::~TMetadataFile() {
  std::lock_guard locker(MetadataLibrary::Lock());
  D.reset();
}

QByteArray TMetadataFile::PreviewData(int index) const {
  if (index < 0 || index >= FPreviews.size() || !D->Image.get()) return {};
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    Exiv2::PreviewManager previews(*D->Image);
    const Exiv2::PreviewImage image = previews.getPreviewImage(D->Properties[size_t(index)]);
    if (image.size() == 0 || !image.pData()) return {};
    return QByteArray(reinterpret_cast<const char*>(image.pData()), qsizetype(image.size()));
  } catch (const std::exception& e) {
    qCDebug(lcMetadataFile) << "a preview cannot be read:" << e.what();
  } catch (...) {
  }
  return {};
}

#pragma GCC diagnostic pop
