// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"
#include "gpstatus.h"

#include <QImage>
#include <QString>

// A decoded picture with the status of the operation that made it, in 32-bit
// ARGB pixels. JPEG data (recognised by its content, whatever the file is
// called) is decoded by libjpeg-turbo, optionally scaled down in the DCT;
// everything else by Qt's image readers. Opening never throws: a failure
// leaves the picture empty and Status() says why.
class TGPImage {
public:
  // Pictures of other formats than JPEG larger than this many pixels are
  // refused (OutOfMemory) before they are decoded.
#ifdef ZELVANE_MAX_PIXELS
  static constexpr qint64 MaxPixels = ZELVANE_MAX_PIXELS;
#else
  static constexpr qint64 MaxPixels = 200LL * 1000 * 1000;
#endif

  TGPImage() = default;
  explicit TGPImage(QImage image) : FImage(std::move(image)), FStatus(FImage.isNull() ? InvalidParameter : Ok) {}

  // scaleDenominator 2, 4 or 8 decodes a JPEG at that fraction of its size;
  // other formats are always decoded whole.
  [[nodiscard]] static TGPImage FromFile(const QString& path, int scaleDenominator = 1);
  [[nodiscard]] static TGPImage FromData(const QByteArray& data, int scaleDenominator = 1);
  // A whole regular file's bytes (see TPhotoFile); status Ok, FileNotFound
  // or Win32Error, with the reason of a failure in words.
  [[nodiscard]] static QByteArray ReadFileData(const QString& path, TGPStatus& status, QString* reason = nullptr);

  [[nodiscard]] TGPStatus Status() const { return FStatus; }
  [[nodiscard]] bool IsNull() const { return FImage.isNull(); }
  // The content was JPEG data.
  [[nodiscard]] bool IsJpeg() const { return FIsJpeg; }
  [[nodiscard]] int ScaleDenominator() const { return FScale; }

  [[nodiscard]] int Width() const { return FImage.width(); }
  [[nodiscard]] int Height() const { return FImage.height(); }
  [[nodiscard]] TGPRect Bounds() const { return {0, 0, Width(), Height()}; }

  // Pixels outside the picture read as 0 and set InvalidParameter.
  [[nodiscard]] QRgb GetPixel(int x, int y);
  void SetPixel(int x, int y, QRgb argb);

  [[nodiscard]] const QImage& Image() const { return FImage; }
  [[nodiscard]] QImage& Image() { return FImage; }

private:
  QImage FImage;
  TGPStatus FStatus = InvalidParameter;
  bool FIsJpeg = false;
  int FScale = 1;
};
