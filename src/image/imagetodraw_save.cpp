// Saving a photo record: the attributes go into the file's EXIF block; the
// compressed picture, every other metadata block and every other EXIF item
// stay byte for byte.

#include <QCoreApplication>
#include <QLoggingCategory>

#include "attributeitems.h"
#include "exifstore.h"
#include "exifwriter.h"
#include "filereplacer.h"
#include "gpimage.h"
#include "imagetodraw.h"
#include "jpegsegments.h"
#include "photofile.h"
#include "zelvaneerror.h"

Q_LOGGING_CATEGORY(lcSave, "zelvane.save", QtWarningMsg)

namespace {

const char* const SaveFailedText = QT_TRANSLATE_NOOP("TImageToDraw", "Could not save image: %1");
const char* const DamagedText = QT_TRANSLATE_NOOP("TImageToDraw", "the photo's EXIF block is damaged");
const char* const TooLargeText =
    QT_TRANSLATE_NOOP("TImageToDraw", "the attributes do not fit in the photo's EXIF block (64 KiB)");
const char* const UnsafeText = QT_TRANSLATE_NOOP("TImageToDraw", "the photo's other metadata would not stay unchanged");
const char* const NotJpegText = QT_TRANSLATE_NOOP("TImageToDraw", "the file is not a complete JPEG photo");
const char* const RenameFailedText = QT_TRANSLATE_NOOP("TImageToDraw", "Could not rename saved file to original name");

QString Tr(const char* text) { return QCoreApplication::translate("TImageToDraw", text); }

[[noreturn]] void SaveFailed(const QString& fileName, const QString& reason) {
  throw EZelvaneError(EZelvaneError::WithReason(Tr(SaveFailedText).arg(fileName), reason), reason);
}

// The new EXIF block, checked: the items read back as they were given, and
// every other item of the old block, the preview included, reads exactly as
// before. Anything else refuses the save, with the file untouched.
QByteArray NewExifBlock(const QString& fileName, const QByteArray& oldTiff, const std::vector<TPropertyItem>& items) {
  TExifStore old;
  if (!oldTiff.isEmpty() && old.Load(oldTiff) != Ok) SaveFailed(fileName, Tr(DamagedText));
  QByteArray tiff;
  switch (TExifWriter::Write(oldTiff, items, tiff)) {
    case TExifWriter::Written:
      break;
    case TExifWriter::Damaged:
      SaveFailed(fileName, Tr(DamagedText));
    case TExifWriter::TooLarge:
      SaveFailed(fileName, Tr(TooLargeText));
  }
  TExifStore check;
  if (check.Load(tiff) != Ok) SaveFailed(fileName, Tr(UnsafeText));
  std::vector<quint32> ids;
  for (const TPropertyItem& item : items) {
    TPropertyItem found;
    if (!check.GetPropertyItem(item.Id, found) || !(found == item)) {
      qCWarning(lcSave) << fileName << "item did not read back:" << item;
      SaveFailed(fileName, Tr(UnsafeText));
    }
    ids.push_back(item.Id);
  }
  QString difference;
  if (!TExifStore::SameOtherItems(old, check, ids, &difference)) {
    qCWarning(lcSave) << fileName << "other metadata would change:" << difference;
    SaveFailed(fileName, Tr(UnsafeText));
  }
  return tiff;
}

}  // namespace

std::vector<TPropertyItem> TImageToDraw::StoredItems() const {
  using namespace AttributeItems;
  std::vector<TPropertyItem> items{
      TextItem(IdMarker, QString::fromLatin1(MarkerText)),
      TextItem(IdName, Name),
      TextItem(IdDescription, Description),
      TextItem(IdDateTime, DateTimeUtil::ToAttributeText(DateTime)),
      TextItem(IdLocation, Location),
      TextItem(IdActors, Actors),
      RotationItem(IdRotation, Rotation),
  };
  if (RedEyes) items.push_back(RedEyesItem(IdRedEyes, *RedEyes));
  items.push_back(RectItem(IdROI, ROI));
  return items;
}

void TImageToDraw::Save() {
  {
    QMutexLocker locker(&Lock);
    // The pixels in memory may hold painted red-eye corrections; they are
    // never written, and a failed save leaves the record unloaded.
    FreeImage();

    // Another Zelvane process saving this photo holds its lock until its new
    // content is in place; this save then builds on that content.
    TPhotoFile photo(FileName);
    if (!photo.IsOpen() || !photo.LockForSave(SaveLockTimeoutMs)) SaveFailed(FileName, photo.Reason());
    const QByteArray data = photo.ReadAll();
    if (photo.Status() != Ok) SaveFailed(FileName, photo.Reason());
    const TJpegHeader header = TJpegSegments::Parse(data);
    if (!header.IsJpeg || !header.Complete) SaveFailed(FileName, Tr(NotJpegText));

    const QByteArray oldTiff = header.HasExif() ? data.mid(header.TiffOffset, header.TiffLength) : QByteArray();
    const QByteArray tiff = NewExifBlock(FileName, oldTiff, StoredItems());
    const QByteArray newFile = TJpegSegments::ReplaceExif(data, header, tiff);
    if (newFile.isEmpty()) SaveFailed(FileName, Tr(TooLargeText));

    QString reason;
    switch (TFileReplacer::Replace(FileName, newFile, &photo.Info(), &reason)) {
      case TFileReplacer::Replaced:
        break;
      case TFileReplacer::WriteFailed:
      case TFileReplacer::Changed:
        SaveFailed(FileName, reason);
      case TFileReplacer::RenameFailed:
        throw EZelvaneError(EZelvaneError::WithReason(Tr(RenameFailedText), reason), reason);
    }
    HasMarker = true;
    // Holders of the picture get it back, freshly decoded, with the
    // corrections they show painted in again.
    if (UsageCount > 0) {
      auto image = std::make_unique<TGPImage>(TGPImage::FromFile(FileName));
      if (image->Status() == Ok) {
        SetImage(std::move(image));
        ApplyRedEyes();
      }
    }
  }
  DoChange();
}
