// Saving a photo record: the attributes go into the file's EXIF block; the
// compressed picture and every other metadata block stay byte for byte.

#include "imagetodraw.h"

#include "attributeitems.h"
#include "exifstore.h"
#include "filereplacer.h"
#include "gpimage.h"
#include "jpegsegments.h"
#include "zelvaneerror.h"

#include <QCoreApplication>

namespace {

QString SaveFailedMessage(const QString& fileName) {
  return QCoreApplication::translate("TImageToDraw", "Could not save image: %1").arg(fileName);
}

}  // namespace

void TImageToDraw::Save() {
  {
    QMutexLocker locker(&Lock);
    // The pixels in memory may hold painted red-eye corrections; they are
    // never written, and a failed save leaves the record unloaded.
    FreeImage();

    TGPStatus status = Ok;
    const QByteArray data = TGPImage::ReadFileData(FileName, status);
    const TJpegHeader header = TJpegSegments::Parse(data);
    if (!header.IsJpeg || !header.Complete) throw EZelvaneError(SaveFailedMessage(FileName));

    TExifStore exif;
    // A block the metadata library cannot read cannot be rewritten without
    // losing what is in it: refuse rather than drop the camera's data.
    if (header.HasExif() && exif.Load(data.mid(header.TiffOffset, header.TiffLength)) != Ok)
      throw EZelvaneError(SaveFailedMessage(FileName));

    using namespace AttributeItems;
    exif.SetPropertyItem(TextItem(IdMarker, QString::fromLatin1(MarkerText)));
    exif.SetPropertyItem(TextItem(IdName, Name));
    exif.SetPropertyItem(TextItem(IdDescription, Description));
    exif.SetPropertyItem(TextItem(IdDateTime, DateTimeUtil::ToAttributeText(DateTime)));
    exif.SetPropertyItem(TextItem(IdLocation, Location));
    exif.SetPropertyItem(TextItem(IdActors, Actors));
    exif.SetPropertyItem(RotationItem(IdRotation, Rotation));
    if (RedEyes) exif.SetPropertyItem(RedEyesItem(IdRedEyes, *RedEyes));
    exif.SetPropertyItem(RectItem(IdROI, ROI));

    const QByteArray tiff = exif.Save(status);
    if (status != Ok) throw EZelvaneError(SaveFailedMessage(FileName));
    const QByteArray newFile = TJpegSegments::ReplaceExif(data, header, tiff);
    if (newFile.isEmpty()) throw EZelvaneError(SaveFailedMessage(FileName));

    switch (TFileReplacer::Replace(FileName, newFile)) {
      case TFileReplacer::Replaced:
        break;
      case TFileReplacer::WriteFailed:
        throw EZelvaneError(SaveFailedMessage(FileName));
      case TFileReplacer::RenameFailed:
        throw EZelvaneError(
            QCoreApplication::translate("TImageToDraw", "Could not rename saved file to original name"));
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
