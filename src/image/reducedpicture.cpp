// SPDX-License-Identifier: GPL-3.0-or-later
#include "reducedpicture.h"

#include "exifstore.h"
#include "gpimage.h"
#include "imageformats.h"
#include "jpegsegments.h"
#include "picturefile.h"
#include "redeyes.h"

#include <algorithm>
#include <cmath>

int TReducedPicture::ScaleDenominator(int regionWidth, int regionHeight, int needWidth, int needHeight) {
  for (int denominator : {8, 4, 2})
    if (qint64(regionWidth) >= qint64(needWidth) * denominator &&
        qint64(regionHeight) >= qint64(needHeight) * denominator)
      return denominator;
  return 1;
}

bool TReducedPicture::PreviewIsGoodEnough(int previewWidth, int previewHeight, int fullWidth, int fullHeight,
                                          const TGPRect& region, int needWidth, int needHeight) {
  if (previewWidth <= 0 || previewHeight <= 0 || fullWidth <= 0 || fullHeight <= 0) return false;
  const double previewAspect = double(previewWidth) / previewHeight;
  const double fullAspect = double(fullWidth) / fullHeight;
  if (std::fabs(previewAspect - fullAspect) > 0.01 * fullAspect) return false;
  return double(region.Width) * previewWidth / fullWidth >= needWidth &&
         double(region.Height) * previewHeight / fullHeight >= needHeight;
}

TReducedPicture TReducedPicture::Load(const QString& path, int fullWidth, int fullHeight, const TGPRect& region,
                                      int needWidth, int needHeight, TGPStatus& status,
                                      const QByteArray* knownPreview) {
  TReducedPicture result;
  if (fullWidth <= 0 || fullHeight <= 0) {
    status = InvalidParameter;
    return result;
  }
  if (!ImageFormats::KeepsAttributesInFile(path) && ImageFormats::IsSupportedFile(path))
    return LoadOther(path, fullWidth, fullHeight, region, needWidth, needHeight, status);
  // First choice: the embedded preview, read from the file's head alone.
  QByteArray preview;
  if (knownPreview) {
    preview = *knownPreview;
  } else {
    const QByteArray head = TJpegSegments::ReadHead(path, status);
    if (status != Ok) return result;
    const TJpegHeader header = TJpegSegments::Parse(head);
    if (!header.IsJpeg || header.Width != fullWidth || header.Height != fullHeight) {
      status = UnknownImageFormat;
      return result;
    }
    TExifStore exif;
    if (header.HasExif() && exif.Load(header.Tiff(head)) == Ok) preview = exif.Thumbnail();
  }
  if (!preview.isEmpty()) {
    TGPImage image = TGPImage::FromData(preview);
    if (image.Status() == Ok && image.IsJpeg() &&
        PreviewIsGoodEnough(image.Width(), image.Height(), fullWidth, fullHeight, region, needWidth, needHeight)) {
      result.Image = image.Image();
      result.ScaleX = double(image.Width()) / fullWidth;
      result.ScaleY = double(image.Height()) / fullHeight;
      result.FromPreview = true;
      status = Ok;
      return result;
    }
  }
  // Otherwise a DCT-scaled decode of the whole file.
  const int denominator = ScaleDenominator(region.Width, region.Height, needWidth, needHeight);
  const QByteArray data = TGPImage::ReadFileData(path, status);
  if (status != Ok) return result;
  TGPImage image = TGPImage::FromData(data, denominator);
  status = image.Status();
  if (status != Ok) return result;
  result.Image = image.Image();
  result.ScaleX = double(image.Width()) / fullWidth;
  result.ScaleY = double(image.Height()) / fullHeight;
  return result;
}

TReducedPicture TReducedPicture::LoadOther(const QString& path, int fullWidth, int fullHeight, const TGPRect& region,
                                           int needWidth, int needHeight, TGPStatus& status) {
  TReducedPicture result;
  const TPictureFile file(path, ImageFormats::ReaderOf(path));
  status = file.Status();
  if (status != Ok) return result;
  if (file.Size() != QSize(fullWidth, fullHeight)) {  // not the picture the record read
    status = WrongState;
    return result;
  }
  // The whole picture at the scale that gives the region its needed size.
  const QSize need(int(std::ceil(double(fullWidth) * needWidth / std::max(1, region.Width))),
                   int(std::ceil(double(fullHeight) * needHeight / std::max(1, region.Height))));
  QString reason;
  bool embedded = false;
  const QImage image = file.Reduced(need.boundedTo(file.Size()), status, reason, &embedded);
  if (status != Ok || image.isNull()) {
    if (status == Ok) status = GenericError;
    return result;
  }
  result.Image = image;
  result.ScaleX = double(image.width()) / fullWidth;
  result.ScaleY = double(image.height()) / fullHeight;
  result.FromPreview = embedded;
  return result;
}

void TReducedPicture::ApplyRedEye(const TRedEyes& correction) {
  // The same disc as on the full picture, bounds included, scaled down.
  const int radius = correction.Radius < 0 ? correction.Radius : std::min(correction.Radius, TRedEyes::MaxRadius);
  TRedEyes scaled(int(std::lround(correction.X * ScaleX)), int(std::lround(correction.Y * ScaleY)),
                  radius < 0 ? radius : int(std::lround(radius * ScaleX)), correction.Tolerance);
  TGPImage image(Image);
  scaled.Apply(image);
  Image = image.Image();
}
