// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gpstatus.h"

#include <QByteArray>
#include <QImage>

// JPEG decoding and encoding through libjpeg-turbo. Decoding can scale by
// 1/2, 1/4 or 1/8 in the DCT, which is what makes thumbnails of large photos
// cheap. Damaged data never crashes: every libjpeg error ends the decode with
// a status.
class TJpegCodec {
public:
  // Pictures larger than this many pixels (after scaling) are refused with
  // OutOfMemory rather than allocated.
#ifdef ZELVANE_MAX_PIXELS
  static constexpr qint64 MaxPixels = ZELVANE_MAX_PIXELS;
#else
  static constexpr qint64 MaxPixels = 400LL * 1000 * 1000;
#endif

  // Decodes to Format_RGB32. scaleDenominator is 1, 2, 4 or 8. Truncated or
  // undecodable data gives GenericError, data that is not a JPEG at all
  // UnknownImageFormat.
  [[nodiscard]] static QImage Decode(const QByteArray& data, int scaleDenominator, TGPStatus& status);

  // Encodes a picture as a baseline JPEG with the given quality (1-100).
  [[nodiscard]] static QByteArray Encode(const QImage& image, int quality, TGPStatus& status);
};
