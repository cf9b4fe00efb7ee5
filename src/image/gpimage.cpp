// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpimage.h"

#include "jpegcodec.h"
#include "jpegsegments.h"
#include "photofile.h"

#include <QBuffer>
#include <QImageReader>

QByteArray TGPImage::ReadFileData(const QString& path, TGPStatus& status, QString* reason) {
  TPhotoFile file(path);
  QByteArray data = file.ReadAll();
  status = file.Status();
  if (reason) *reason = file.Reason();
  return status == Ok ? data : QByteArray();
}

TGPImage TGPImage::FromFile(const QString& path, int scaleDenominator) {
  TGPStatus status = Ok;
  const QByteArray data = ReadFileData(path, status);
  if (status != Ok) {
    TGPImage result;
    result.FStatus = status;
    return result;
  }
  return FromData(data, scaleDenominator);
}

TGPImage TGPImage::FromData(const QByteArray& data, int scaleDenominator) {
  TGPImage result;
  if (data.isEmpty()) {
    result.FStatus = UnknownImageFormat;
    return result;
  }
  if (TJpegSegments::HasJpegSignature(data)) {
    result.FIsJpeg = true;
    result.FScale = (scaleDenominator == 2 || scaleDenominator == 4 || scaleDenominator == 8) ? scaleDenominator : 1;
    result.FImage = TJpegCodec::Decode(data, result.FScale, result.FStatus);
    return result;
  }
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  if (reader.format().isEmpty()) {
    result.FStatus = UnknownImageFormat;
    return result;
  }
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels) {
    result.FStatus = OutOfMemory;
    return result;
  }
  reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024) + 1));
  QImage image;
  if (!reader.read(&image)) {
    result.FStatus = reader.error() == QImageReader::UnsupportedFormatError ? UnknownImageFormat : GenericError;
    return result;
  }
  result.FImage = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  result.FStatus = result.FImage.isNull() ? OutOfMemory : Ok;
  return result;
}

QRgb TGPImage::GetPixel(int x, int y) {
  if (x < 0 || y < 0 || x >= FImage.width() || y >= FImage.height()) {
    FStatus = InvalidParameter;
    return 0;
  }
  return reinterpret_cast<const QRgb*>(FImage.constScanLine(y))[x];
}

void TGPImage::SetPixel(int x, int y, QRgb argb) {
  if (x < 0 || y < 0 || x >= FImage.width() || y >= FImage.height()) {
    FStatus = InvalidParameter;
    return;
  }
  // Format_RGB32 keeps its alpha byte at 0xFF.
  if (FImage.format() == QImage::Format_RGB32) argb |= 0xFF000000u;
  reinterpret_cast<QRgb*>(FImage.scanLine(y))[x] = argb;
}
