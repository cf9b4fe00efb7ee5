// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifmaker.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>

namespace {

heif_error Append(heif_context*, const void* data, size_t size, void* user) {
  static_cast<QByteArray*>(user)->append(static_cast<const char*>(data), qsizetype(size));
  return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

}  // namespace

QByteArray EncodeHeifPhoto(const QImage& picture, bool avif, int quality, int thumbnail, const QByteArray& exifTiff,
                           QString& error) {
  const auto fail = [&error](const heif_error& e) {
    error = QString::fromUtf8(e.message ? e.message : "libheif failed");
    return QByteArray();
  };
  std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(), heif_context_free);
  heif_encoder* rawEncoder = nullptr;
  heif_error e = heif_context_get_encoder_for_format(context.get(), avif ? heif_compression_AV1 : heif_compression_HEVC,
                                                     &rawEncoder);
  if (e.code != heif_error_Ok) return fail(e);
  std::unique_ptr<heif_encoder, void (*)(heif_encoder*)> encoder(rawEncoder, heif_encoder_release);
  heif_encoder_set_lossy_quality(encoder.get(), quality);

  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  heif_image* rawImage = nullptr;
  e = heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &rawImage);
  if (e.code != heif_error_Ok) return fail(e);
  std::unique_ptr<heif_image, void (*)(const heif_image*)> image(rawImage, heif_image_release);
  e = heif_image_add_plane(image.get(), heif_channel_interleaved, rgb.width(), rgb.height(), 8);
  if (e.code != heif_error_Ok) return fail(e);
  int stride = 0;
  uint8_t* plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
  for (int y = 0; y < rgb.height(); ++y)
    std::memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);

  heif_image_handle* handle = nullptr;
  e = heif_context_encode_image(context.get(), image.get(), encoder.get(), nullptr, &handle);
  if (e.code != heif_error_Ok) return fail(e);
  std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)> primary(handle, heif_image_handle_release);
  if (thumbnail > 0) {
    heif_image_handle* thumb = nullptr;
    e = heif_context_encode_thumbnail(context.get(), image.get(), primary.get(), encoder.get(), nullptr, thumbnail,
                                      &thumb);
    if (e.code != heif_error_Ok) return fail(e);
    heif_image_handle_release(thumb);
  }
  if (!exifTiff.isEmpty()) {
    e = heif_context_add_exif_metadata(context.get(), primary.get(), exifTiff.constData(), int(exifTiff.size()));
    if (e.code != heif_error_Ok) return fail(e);
  }
  QByteArray bytes;
  heif_writer writer{1, Append};
  e = heif_context_write(context.get(), &writer, &bytes);
  if (e.code != heif_error_Ok) return fail(e);
  return bytes;
}
