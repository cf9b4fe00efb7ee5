// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"
#include "gpstatus.h"

#include <QImage>
#include <QString>

class TRedEyes;

// A smaller stand-in for a photo's full picture, good enough to draw one
// region of it at a given size: the preview that cameras embed in the EXIF
// block when it is sharp enough, otherwise the JPEG decoded with DCT scaling
// at the smallest scale that still covers the needed size. This is what keeps
// thumbnails of 12-megapixel photos cheap.
struct TReducedPicture {
  QImage Image;
  double ScaleX = 1.0;  // reduced pixels per full pixel
  double ScaleY = 1.0;
  bool FromPreview = false;

  // Loads a reduced picture of a photo file whose full picture is fullWidth ×
  // fullHeight, such that region (full pixels, stored orientation) spans at
  // least needWidth × needHeight reduced pixels. status is not Ok when the
  // file cannot be decoded that way (the caller then decodes it whole).
  // knownPreview: the embedded preview (empty: none) when the caller read
  // the head already; the head is then not read and parsed again for it.
  [[nodiscard]] static TReducedPicture Load(const QString& path, int fullWidth, int fullHeight,
                                            const TGPRect& region, int needWidth, int needHeight,
                                            TGPStatus& status, const QByteArray* knownPreview = nullptr);

  // The DCT scale denominator (8, 4, 2 or 1) for a region of the given size.
  [[nodiscard]] static int ScaleDenominator(int regionWidth, int regionHeight, int needWidth, int needHeight);

  // Whether an embedded preview of previewWidth × previewHeight may stand in.
  [[nodiscard]] static bool PreviewIsGoodEnough(int previewWidth, int previewHeight, int fullWidth, int fullHeight,
                                                const TGPRect& region, int needWidth, int needHeight);

  // The same for a photo that is not a JPEG (TPictureFile): its smallest
  // sufficient embedded thumbnail or preview, else a reduced or whole decode.
  [[nodiscard]] static TReducedPicture LoadOther(const QString& path, int fullWidth, int fullHeight,
                                                 const TGPRect& region, int needWidth, int needHeight,
                                                 TGPStatus& status);

  // Paints a correction, given in full pixels, onto the reduced picture.
  void ApplyRedEye(const TRedEyes& correction);
};
