// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a photo record: decoding the file and reading its attributes.

#include "imagetodraw.h"

#include "attributeitems.h"
#include "exifstore.h"
#include "gpimage.h"
#include "jpegsegments.h"
#include "photofile.h"
#include "picturefile.h"
#include "sidecaritems.h"
#include "standardattributes.h"
#include "xmppacket.h"
#include "xmpsidecar.h"
#include "zelvaneerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The cause of a failed decode in words, where the file itself gave none.
QString StatusReason(TGPStatus status) {
  switch (status) {
    case Ok:
      return QString();
    case UnknownImageFormat:
      return QCoreApplication::translate("TImageToDraw", "not a picture in a format Zelvane can read");
    case OutOfMemory:
      return QCoreApplication::translate("TImageToDraw", "not enough memory to decode the picture");
    default:
      return QCoreApplication::translate("TImageToDraw", "the picture is damaged");
  }
}

// The EXIF block of JPEG data; an unreadable block counts as none, as the
// picture itself is still good.
void LoadExif(const QByteArray& data, const TJpegHeader& header, TExifStore& exif) {
  if (header.HasExif()) exif.Load(header.Tiff(data));
}

// The places other programs write in a photo's EXIF block and XMP packet.
TStandardSources StandardSources(const TExifStore& exif, const QByteArray& packet) {
  TStandardSources sources;
  // An empty one is as blank as none.
  const QString description = AttributeItems::ReadText(exif, 0x010E);
  if (!description.isEmpty()) sources.ImageDescription = description;
  sources.Make = AttributeItems::ReadText(exif, 0x010F);
  sources.Model = AttributeItems::ReadText(exif, 0x0110);
  if (TXmpPacket::MayHoldAttributes(packet)) {
    TXmpPacket xmp;
    if (xmp.Load(packet) == TXmpPacket::Loaded) sources.Xmp = xmp.Attributes();
  }
  return sources;
}

// The same from the head of a JPEG file, with its IPTC block.
TStandardSources StandardSources(const TExifStore& exif, const QByteArray& head, const TJpegHeader& header) {
  TStandardSources sources = StandardSources(exif, header.Xmp(head));
  if (header.HasIrb()) {
    TIptcBlock iptc;
    iptc.Load(header.Irb(head));
    sources.Iptc = iptc.Attributes();
  }
  return sources;
}

}  // namespace

void TImageToDraw::RaiseStatus(TGPStatus status, const QString& reason) {
  throw EZelvaneError(QCoreApplication::translate("TImageToDraw", "Error %1").arg(int(status)),
                      reason.isEmpty() ? StatusReason(status) : reason);
}

template <typename Step>
void TImageToDraw::RunLoad(Step step) {
  // A load never raises: its failure becomes the record's error text, which
  // every view shows instead of the picture.
  ErrorMessage.clear();
  ErrorReason.clear();
  try {
    step();
  } catch (const EZelvaneError& e) {
    ErrorMessage = e.Message();
    ErrorReason = e.Reason();
    CanSave = false;
  } catch (const std::exception& e) {
    ErrorMessage = QString::fromLocal8Bit(e.what());
    CanSave = false;
  }
}

void TImageToDraw::CheckReadOnly() {
  if (!CanSave) return;
  if (KeepsAttributesInFile())
    CanSave = IsWritable();
  else
    CanSave = TXmpSidecar::CanWrite(FileName, &SidecarRefusal);
}

int TImageToDraw::RotationOfOrientation(int orientation) {
  switch (orientation) {
    case 3:
    case 4:
      return 180;
    case 6:
    case 7:
      return 90;
    case 5:
    case 8:
      return 270;
    default:
      return 0;
  }
}

void TImageToDraw::ReadOrientation(const TExifStore& exif) {
  TPropertyItem orientation;
  ExifOrientation = 1;
  if (exif.GetPropertyItem(0x0112, orientation) && orientation.Value.size() >= 2) {
    // Either byte order: the value is small.
    const auto b = reinterpret_cast<const uchar*>(orientation.Value.constData());
    ExifOrientation = b[0] != 0 ? b[0] : b[1];
  }
}

void TImageToDraw::ReadAttributes(const TExifStore& exif, const QByteArray& head, const TJpegHeader& header) {
  using namespace AttributeItems;
  ReadOrientation(exif);
  if (!ReadText(exif, IdMarker).isEmpty()) {
    FAttributes.HasMarker = true;
    FAttributes.DerivedFileDate = 0;
    FAttributes.Name = ReadText(exif, IdName);
    FAttributes.Description = ReadText(exif, IdDescription);
    FAttributes.DateTime = DateTimeUtil::FromAttributeText(ReadText(exif, IdDateTime));
    FAttributes.Location = ReadText(exif, IdLocation);
    FAttributes.Actors = ReadText(exif, IdActors);
    FAttributes.Rotation = ReadRotation(exif, IdRotation);
    FAttributes.RedEyes = ReadRedEyes(exif, IdRedEyes);
    FAttributes.ROI = ReadRect(exif, IdROI);
    FAttributes.Source = TAttributeSource::Zelvane;
    AttributesLoaded = true;
  } else {
    // What other programs wrote, read only now that it counts.
    const TStandardAttributes standard =
        header.IsJpeg ? StandardAttributes::Reconcile(StandardSources(exif, head, header)) : TStandardAttributes();
    const TDateTime taken = CameraDate(exif);
    DeriveAttributes(standard, taken != 0 ? taken : standard.DateTime);
  }
}

void TImageToDraw::DeriveAttributes(const TStandardAttributes& standard, TDateTime date) {
  FAttributes.HasMarker = false;
  FAttributes.DerivedFileDate = 0;
  FAttributes.Name = standard.Name.value_or(ShortName());
  FAttributes.Description = standard.Description.value_or(QString());
  FAttributes.Location = standard.Location.value_or(QString());
  FAttributes.Actors = standard.Actors.value_or(QString());
  FAttributes.DateTime = date;
  if (FAttributes.DateTime == 0)
    FAttributes.DerivedFileDate = FAttributes.DateTime = DateTimeUtil::FileDate(FileName);
  FAttributes.Rotation = RotationOfOrientation(ExifOrientation);
  FAttributes.ROI = ImageRect;
  FAttributes.RedEyes = std::make_shared<TRedEyesList>();
  FAttributes.Source = standard.Any() ? TAttributeSource::Standard : TAttributeSource::Derived;
  AttributesLoaded = true;
}

TDateTime TImageToDraw::CameraDate(const TExifStore& exif) {
  return DateTimeUtil::FromAttributeText(AttributeItems::ReadText(exif, 36867));
}

void TImageToDraw::LoadImage() {
  std::lock_guard locker(Lock);
  DoLoadImage();
}

void TImageToDraw::DoLoadImage() {
  ++FLoadCount;
  RunLoad([this] {
    if (!KeepsAttributesInFile()) {
      LoadWithSidecar(true);
      return;
    }
    CheckReadOnly();
    TGPStatus status = Ok;
    QString reason;
    const QByteArray data = TGPImage::ReadFileData(FileName, status, &reason);
    if (status != Ok) RaiseStatus(status, reason);
    auto image = std::make_unique<TGPImage>(TGPImage::FromData(data));
    if (image->Status() != Ok) RaiseStatus(image->Status());
    ImageRect = image->Bounds();
    IsBitmap = true;
    // Only JPEG content can take the attributes without touching the picture.
    const bool isJpeg = image->IsJpeg();
    if (!isJpeg) CanSave = false;
    SetImage(std::move(image));
    TExifStore exif;
    const TJpegHeader header = isJpeg ? TJpegSegments::Parse(data) : TJpegHeader();
    LoadExif(data, header, exif);
    ReadAttributes(exif, data, header);
  });
}

bool TImageToDraw::LoadAttributes(QByteArray* preview) {
  std::lock_guard locker(Lock);
  if (AttributesLoaded) return false;
  bool jpeg = false;
  RunLoad([this, preview, &jpeg] {
    if (!KeepsAttributesInFile()) {
      LoadWithSidecar(false);
      return;
    }
    CheckReadOnly();
    TPhotoFile file(FileName);
    const QByteArray head = TJpegSegments::ReadHead(file);
    if (file.Status() != Ok) RaiseStatus(file.Status(), file.Reason());
    TExifStore exif;
    const TJpegHeader header = TJpegSegments::Parse(head);
    if (header.IsJpeg) {
      if (!header.HasFrame || header.Width == 0 || header.Height == 0) RaiseStatus(GenericError);
      ImageRect = {0, 0, header.Width, header.Height};
      LoadExif(head, header, exif);
      if (preview) *preview = exif.Thumbnail();
      jpeg = true;
    } else {
      // The file already opened (and known to be a regular file) is read.
      QFile device;
      if (!file.Rewind() || !device.open(file.Handle(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        RaiseStatus(Win32Error);
      QImageReader reader(&device);
      reader.setDecideFormatFromContent(true);
      const QSize size = reader.size();
      if (reader.format().isEmpty() || !size.isValid()) RaiseStatus(UnknownImageFormat);
      ImageRect = {0, 0, size.width(), size.height()};
      CanSave = false;
    }
    IsBitmap = true;
    ReadAttributes(exif, head, header);
  });
  return jpeg && ErrorMessage.isEmpty();
}

void TImageToDraw::LoadWithSidecar(bool decode) {
  CheckReadOnly();
  const TPictureFile file(FileName, FReader);
  if (file.Status() != Ok) RaiseStatus(file.Status(), file.Reason());
  if (decode) {
    TGPStatus status = Ok;
    QString reason;
    QImage picture = file.Decode(status, reason);
    if (status != Ok || picture.isNull()) RaiseStatus(status == Ok ? GenericError : status, reason);
    auto image = std::make_unique<TGPImage>(std::move(picture));
    ImageRect = image->Bounds();
    SetImage(std::move(image));
  } else {
    ImageRect = {0, 0, file.Size().width(), file.Size().height()};
  }
  IsBitmap = true;
  TExifStore exif;
  exif.Load(file.Tiff());  // an unreadable block counts as none
  const TXmpSidecar sidecar(FileName);
  if (sidecar.Status() != Ok && CanSave) {
    // A sidecar that cannot be read cannot be rewritten without losing what
    // other programs keep in it.
    CanSave = false;
    SidecarRefusal = QCoreApplication::translate("TImageToDraw", "the XMP sidecar cannot be read: %1")
                         .arg(sidecar.Reason());
  }
  ReadSidecarAttributes(exif, file.Xmp(), sidecar, file.Transformed());
}

void TImageToDraw::ReadSidecarAttributes(const TExifStore& exif, const QByteArray& fileXmp, const TXmpSidecar& sidecar,
                                         bool transformed) {
  // A picture delivered upright (HEIF) has had its orientation applied.
  if (transformed)
    ExifOrientation = 1;
  else
    ReadOrientation(exif);
  TXmpPacket side(TXmpPacket::TPlace::Sidecar);
  if (sidecar.Status() == Ok && side.Load(sidecar.Packet()) == TXmpPacket::Damaged && CanSave) {
    CanSave = false;
    SidecarRefusal = QCoreApplication::translate("TImageToDraw", "the XMP sidecar is damaged");
  }
  if (SidecarItems::HasMarker(side.OwnItems())) {
    FAttributes = SidecarItems::Read(side.OwnItems());
    AttributesLoaded = true;
    return;
  }
  // Field by field: the sidecar's standard properties, else the file's own
  // (its EXIF date taken before its XMP date).
  TStandardSources fromSidecar;
  fromSidecar.Xmp = side.Attributes();
  const TStandardAttributes a = StandardAttributes::Reconcile(fromSidecar);
  const TStandardAttributes b = StandardAttributes::Reconcile(StandardSources(exif, fileXmp));
  TStandardAttributes merged;
  merged.Name = a.Name ? a.Name : b.Name;
  merged.Description = a.Description ? a.Description : b.Description;
  merged.Location = a.Location ? a.Location : b.Location;
  merged.Actors = a.Actors ? a.Actors : b.Actors;
  merged.DateTime = a.DateTime != 0 ? a.DateTime : b.DateTime;
  const TDateTime taken = CameraDate(exif);
  DeriveAttributes(merged, a.DateTime != 0 ? a.DateTime : taken != 0 ? taken : b.DateTime);
}
