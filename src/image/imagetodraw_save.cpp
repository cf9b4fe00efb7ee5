// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a photo record: the attributes go into the file's EXIF block and,
// for other programs, into its XMP packet, its IPTC block and its EXIF
// ImageDescription; the compressed picture, every other segment and every
// other item, property and dataset of those blocks stay as they were.

#include <QCoreApplication>
#include <QLoggingCategory>

#include "actorlist.h"
#include "afcptrailer.h"
#include "attributeitems.h"
#include "exifstore.h"
#include "exifwriter.h"
#include "filereplacer.h"
#include "gpimage.h"
#include "imagetodraw.h"
#include "iptcblock.h"
#include "jpegsegments.h"
#include "photofile.h"
#include "sidecaritems.h"
#include "standardvalues.h"
#include "xmppacket.h"
#include "xmpsidecar.h"
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
const char* const XmpDamagedText = QT_TRANSLATE_NOOP(
    "TImageToDraw",
    "the photo's XMP block is damaged (with \"Also write the attributes for other programs\" switched off, "
    "Zelvane's own items can still be saved)");
const char* const IptcDamagedText = QT_TRANSLATE_NOOP(
    "TImageToDraw",
    "the photo's IPTC block is damaged (with \"Also write the attributes for other programs\" switched off, "
    "Zelvane's own items can still be saved)");
const char* const XmpTooLargeText =
    QT_TRANSLATE_NOOP("TImageToDraw", "the attributes do not fit in the photo's XMP block (64 KiB)");
const char* const IptcTooLargeText =
    QT_TRANSLATE_NOOP("TImageToDraw", "the attributes do not fit in the photo's IPTC block (64 KiB)");
const char* const SidecarDamagedText = QT_TRANSLATE_NOOP("TImageToDraw", "the XMP sidecar is damaged");
const char* const SidecarTooLargeText =
    QT_TRANSLATE_NOOP("TImageToDraw", "the attributes do not fit in the XMP sidecar (16 MiB)");
const char* const SidecarUnreadableText = QT_TRANSLATE_NOOP("TImageToDraw", "the XMP sidecar cannot be read: %1");
const char* const AfcpText =
    QT_TRANSLATE_NOOP("TImageToDraw", "the IPTC trailer at the end of the photo (AFCP) could not be kept valid");

// The ImageDescription tag, which other programs read first for the description.
constexpr quint32 IdImageDescription = 0x010E;
constexpr quint32 IdDateTimeOriginal = 0x9003;

QString TrImage(const char* text) { return QCoreApplication::translate("TImageToDraw", text); }

[[noreturn]] void SaveFailed(const QString& fileName, const QString& reason) {
  throw EZelvaneError(EZelvaneError::WithReason(TrImage(SaveFailedText).arg(fileName), reason), reason);
}

// The new EXIF block, checked: the items read back as they were given, and
// every other item of the old block, the preview included, reads exactly as
// before. Anything else refuses the save, with the file untouched.
QByteArray NewExifBlock(const QString& fileName, const QByteArray& oldTiff, const TExifStore& old,
                        const std::vector<TPropertyItem>& items) {
  QByteArray tiff;
  switch (TExifWriter::Write(oldTiff, items, tiff)) {
    case TExifWriter::Written:
      break;
    case TExifWriter::Damaged:
      SaveFailed(fileName, TrImage(DamagedText));
    case TExifWriter::TooLarge:
      SaveFailed(fileName, TrImage(TooLargeText));
  }
  TExifStore check;
  if (check.Load(tiff) != Ok) SaveFailed(fileName, TrImage(UnsafeText));
  std::vector<quint32> ids;
  for (const TPropertyItem& item : items) {
    TPropertyItem found;
    if (!check.GetPropertyItem(item.Id, found) || !(found == item)) {
      qCWarning(lcSave) << fileName << "item did not read back:" << item;
      SaveFailed(fileName, TrImage(UnsafeText));
    }
    ids.push_back(item.Id);
  }
  QString difference;
  if (!TExifStore::SameOtherItems(old, check, ids, &difference)) {
    qCWarning(lcSave) << fileName << "other metadata would change:" << difference;
    SaveFailed(fileName, TrImage(UnsafeText));
  }
  return tiff;
}

bool SameText(const std::optional<QString>& read, const QString& written) {
  return written.isEmpty() ? !read.has_value() : read == written;
}

// The new XMP packet (a new one when the photo has none), checked: the
// attributes (and Zelvane's own items, given) read back as given, and every
// other property as before. Empty when no property is left: the photo then
// has no XMP segment.
QByteArray NewXmpPacket(const QString& fileName, const QByteArray& oldPacket,
                        const std::optional<TStandardValues>& standard,
                        const std::optional<QMap<QString, QString>>& own = std::nullopt,
                        TXmpPacket::TPlace place = TXmpPacket::TPlace::Segment) {
  const bool sidecar = place == TXmpPacket::TPlace::Sidecar;
  const QString damaged = TrImage(sidecar ? SidecarDamagedText : XmpDamagedText);
  TXmpPacket xmp(place);
  if (xmp.Load(oldPacket) == TXmpPacket::Damaged) SaveFailed(fileName, damaged);
  if ((standard && !xmp.SetAttributes(*standard)) || (own && !xmp.SetOwnItems(*own)))
    SaveFailed(fileName, TrImage(UnsafeText));
  QByteArray packet;
  switch (xmp.Save(packet)) {
    case TXmpPacket::Saved:
      break;
    case TXmpPacket::TooLarge:
      SaveFailed(fileName, TrImage(sidecar ? SidecarTooLargeText : XmpTooLargeText));
    case TXmpPacket::Unreadable:
      SaveFailed(fileName, damaged);
    case TXmpPacket::Failed:
      SaveFailed(fileName, TrImage(UnsafeText));
  }
  TXmpPacket check(place);
  if (check.Load(packet) == TXmpPacket::Damaged) {
    qCWarning(lcSave) << fileName << "the new XMP packet does not read back:" << packet;
    SaveFailed(fileName, TrImage(UnsafeText));
  }
  const TXmpAttributes read = check.Attributes();
  bool same = true;
  if (standard) {
    const TStandardValues& values = *standard;
    const QString date = DateTimeUtil::ToIsoText(values.Date);
    same = SameText(read.Title, values.Title) && SameText(read.Description, values.Description) &&
           SameText(read.Location, values.Location) && SameText(read.LocationShown, values.Location) &&
           SameText(read.DateCreated, date) &&
           (values.Persons.isEmpty() ? !read.Persons.has_value() : read.Persons == values.Persons);
  }
  if (own)
    for (auto it = own->begin(); it != own->end(); ++it)
      if (check.OwnItems().value(it.key()) != it.value()) same = false;
  if (!same) {
    qCWarning(lcSave) << fileName << "the attributes did not read back from the XMP packet";
    SaveFailed(fileName, TrImage(UnsafeText));
  }
  QString difference;
  if (!TXmpPacket::SameOtherProperties(xmp, check, &difference)) {
    qCWarning(lcSave) << fileName << "other XMP properties would change:" << difference;
    SaveFailed(fileName, TrImage(UnsafeText));
  }
  return packet;
}

// The new Photoshop resource blocks with the IPTC block's attributes, or
// nothing when the photo has no IPTC block (none is made).
std::optional<QByteArray> NewIrb(const QString& fileName, const QByteArray& data, const TJpegHeader& header,
                                 const TStandardValues& values) {
  if (!header.HasIrb()) return std::nullopt;
  TIptcBlock old;
  old.Load(header.Irb(data));
  if (!old.HasIptc()) return std::nullopt;
  // Resources spread over several segments are not rewritten in pieces.
  if (old.IsDamaged() || header.IrbSegments > 1) SaveFailed(fileName, TrImage(IptcDamagedText));
  QString reason;
  const QByteArray irb = old.Apply(values, &reason);
  if (irb.isEmpty()) {
    qCWarning(lcSave) << fileName << "the IPTC block could not be written:" << reason;
    SaveFailed(fileName, TrImage(UnsafeText));
  }
  if (irb.size() > TJpegSegments::MaxIrbLength) SaveFailed(fileName, TrImage(IptcTooLargeText));
  TIptcBlock check;
  check.Load(irb);
  const TIptcAttributes read = check.Attributes();
  const auto cutOf = [](const QString& text, const std::optional<QString>& stored) {
    return text.isEmpty() ? !stored.has_value() : stored && !stored->isEmpty() && text.startsWith(*stored);
  };
  QString difference;
  if (check.IsDamaged() || !cutOf(values.Title, read.ObjectName) || !cutOf(values.Description, read.Caption) ||
      !cutOf(values.Location, read.SubLocation) || !TIptcBlock::SameOtherData(old, check, &difference)) {
    qCWarning(lcSave) << fileName << "the IPTC block would not read back as meant:" << difference;
    SaveFailed(fileName, TrImage(UnsafeText));
  }
  return irb;
}

// Whether the date stored by an earlier save is the file's date rather than
// one the user gave: no camera date, and an XMP packet (which such a save
// makes) and an IPTC block without one.
bool StoredDateIsFileDate(const TExifStore& exif, const QByteArray& data, const TJpegHeader& header) {
  if (DateTimeUtil::FromAttributeText(AttributeItems::ReadText(exif, IdDateTimeOriginal)) != 0) return false;
  TXmpPacket xmp;
  if (xmp.Load(header.Xmp(data)) != TXmpPacket::Loaded || xmp.Attributes().DateCreated) return false;
  if (header.HasIrb()) {
    TIptcBlock iptc;
    iptc.Load(header.Irb(data));
    if (iptc.Attributes().DateCreated != 0) return false;
  }
  return true;
}

// Puts the new content in the file's place (see TFileReplacer); a failure
// raises the save's error for the photo.
void ReplaceFile(const QString& photo, const QString& path, const QByteArray& content, const struct stat* expected) {
  QString reason;
  switch (TFileReplacer::Replace(path, content, expected, &reason)) {
    case TFileReplacer::Replaced:
      return;
    case TFileReplacer::WriteFailed:
    case TFileReplacer::Changed:
      SaveFailed(photo, reason);
    case TFileReplacer::RenameFailed:
      throw EZelvaneError(EZelvaneError::WithReason(TrImage(RenameFailedText), reason), reason);
  }
}

bool SameSecond(TDateTime a, TDateTime b) { return std::abs(a - b) < 0.5 / 86400.0; }

}  // namespace

TStandardValues TImageToDraw::StandardValues() const {
  return StandardValues(Attributes());
}

TStandardValues TImageToDraw::StandardValues(const TPhotoAttributes& a) const {
  TStandardValues values;
  values.Title = a.Name == ShortName() ? QString() : a.Name;
  values.Description = a.Description;
  values.Location = a.Location;
  for (const QString& person : ActorList::Split(a.Actors))
    if (!person.trimmed().isEmpty()) values.Persons.append(person);
  values.Date = a.DerivedFileDate != 0 && SameSecond(a.DateTime, a.DerivedFileDate) ? 0 : a.DateTime;
  return values;
}

std::vector<TPropertyItem> TImageToDraw::StoredItems() const {
  using namespace AttributeItems;
  std::vector<TPropertyItem> items{
      TextItem(IdMarker, QString::fromLatin1(MarkerText)),
      TextItem(IdName, FAttributes.Name),
      TextItem(IdDescription, FAttributes.Description),
      TextItem(IdDateTime, DateTimeUtil::ToAttributeText(FAttributes.DateTime)),
      TextItem(IdLocation, FAttributes.Location),
      TextItem(IdActors, FAttributes.Actors),
      RotationItem(IdRotation, FAttributes.Rotation),
  };
  if (FAttributes.RedEyes) items.push_back(RedEyesItem(IdRedEyes, *FAttributes.RedEyes));
  items.push_back(RectItem(IdROI, FAttributes.ROI));
  return items;
}

void TImageToDraw::SaveSidecar(TMetadataScope scope) {
  // The photo's own save lock orders the saves of Zelvane processes, as
  // for a JPEG; the photo is only read.
  TPhotoFile photo(FileName);
  if (!photo.IsOpen() || !photo.LockForSave(SaveLockTimeoutMs)) SaveFailed(FileName, photo.Reason());
  QString reason;
  if (!TXmpSidecar::CanWrite(FileName, &reason)) SaveFailed(FileName, reason);
  const TXmpSidecar sidecar(FileName);
  if (sidecar.Status() != Ok) SaveFailed(FileName, TrImage(SidecarUnreadableText).arg(sidecar.Reason()));
  std::optional<TStandardValues> standard;
  if (scope == TMetadataScope::PrivateAndStandard) standard = StandardValues(FAttributes);  // the lock is held
  const QByteArray packet = NewXmpPacket(FileName, sidecar.Packet(), standard, SidecarItems::From(FAttributes),
                                         TXmpPacket::TPlace::Sidecar);
  ReplaceFile(FileName, sidecar.Path(), packet, sidecar.Exists() ? &sidecar.Info() : nullptr);
  FAttributes.HasMarker = true;
  FAttributes.Source = TAttributeSource::Zelvane;
}

void TImageToDraw::Save(TMetadataScope scope) {
  if (!KeepsAttributesInFile()) {
    {
      std::lock_guard locker(Lock);
      SaveSidecar(scope);
    }
    DoChange();
    return;
  }
  {
    std::lock_guard locker(Lock);
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
    if (!header.IsJpeg || !header.Complete) SaveFailed(FileName, TrImage(NotJpegText));

    const QByteArray oldTiff = header.Tiff(data);
    TExifStore old;
    if (!oldTiff.isEmpty() && old.Load(oldTiff) != Ok) SaveFailed(FileName, TrImage(DamagedText));
    std::vector<TPropertyItem> items = StoredItems();
    TMetadataSegments segments;
    if (scope == TMetadataScope::PrivateAndStandard) {
      TStandardValues values = StandardValues(FAttributes);  // the lock is held
      if (FAttributes.HasMarker && values.Date != 0 && StoredDateIsFileDate(old, data, header) &&
          SameSecond(FAttributes.DateTime, DateTimeUtil::FromAttributeText(AttributeItems::ReadText(old, IdDateTime))))
        values.Date = 0;
      TPropertyItem description;
      if (old.GetIfd0Item(IdImageDescription, description))
        items.push_back({IdImageDescription, TPropertyItem::TypeAscii, values.Description.toUtf8() + '\0'});
      segments.XmpPacket = NewXmpPacket(FileName, header.Xmp(data), values);
      segments.Irb = NewIrb(FileName, data, header, values);
    }
    segments.Tiff = NewExifBlock(FileName, oldTiff, old, items);
    QByteArray newFile = TJpegSegments::ReplaceMetadata(data, header, segments);
    if (newFile.isEmpty()) SaveFailed(FileName, TrImage(TooLargeText));
    if (AfcpTrailer::Follow(data, newFile) == AfcpTrailer::Unmovable) SaveFailed(FileName, TrImage(AfcpText));

    ReplaceFile(FileName, FileName, newFile, &photo.Info());
    FAttributes.HasMarker = true;
    FAttributes.Source = TAttributeSource::Zelvane;
    // Holders of the picture get it back, freshly decoded, with the
    // corrections they show painted in again.
    if (UsageCount > 0) {
      auto image = std::make_unique<TGPImage>(TGPImage::FromFile(FileName));
      if (image->Status() == Ok) {
        SetImage(std::move(image));
        DoApplyRedEyes();
      }
    }
  }
  DoChange();
}
