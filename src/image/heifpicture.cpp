// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifpicture.h"

#include <libheif/heif.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QtEndian>
#include <mutex>

#include "photofile.h"

namespace {

QString TrHeif(const char* text) { return QCoreApplication::translate("THeifPicture", text); }

// libheif reads through the photo's own descriptor, at the positions it asks.
struct TSource {
  int Fd = -1;
  int64_t Size = 0;
  int64_t Position = 0;
};

int64_t GetPosition(void* user) { return static_cast<TSource*>(user)->Position; }

int Read(void* data, size_t size, void* user) {
  auto* source = static_cast<TSource*>(user);
  auto* out = static_cast<char*>(data);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(source->Fd, out + done, size - done, off_t(source->Position + int64_t(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return 1;  // an error or the end: libheif reports a truncated file
    done += size_t(n);
  }
  source->Position += int64_t(size);
  return 0;
}

int Seek(int64_t position, void* user) {
  auto* source = static_cast<TSource*>(user);
  if (position < 0 || position > source->Size) return 1;
  source->Position = position;
  return 0;
}

heif_reader_grow_status WaitForFileSize(int64_t target, void* user) {
  return target > static_cast<TSource*>(user)->Size ? heif_reader_grow_status_size_beyond_eof
                                                    : heif_reader_grow_status_size_reached;
}

const heif_reader Reader = {1, GetPosition, Read, Seek, WaitForFileSize};

void InitializeLibrary() {
  static std::once_flag once;
  std::call_once(once, [] { heif_init(nullptr); });
}

// An image handle released with its object.
struct THandle {
  heif_image_handle* Handle = nullptr;
  THandle() = default;
  explicit THandle(heif_image_handle* handle) : Handle(handle) {}
  ~THandle() {
    if (Handle) heif_image_handle_release(Handle);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
};

QImage ToQImage(const heif_image* image, bool alpha) {
  int stride = 0;
  const uint8_t* plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
  const int width = heif_image_get_primary_width(image), height = heif_image_get_primary_height(image);
  if (!plane || width <= 0 || height <= 0) return {};
  const QImage view(plane, width, height, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  // A deep copy: the plane goes with the image.
  return view.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Decodes a handle to 8-bit RGB(A), the file's transformations applied.
QImage DecodeHandle(const heif_image_handle* handle, heif_error& error) {
  const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
  heif_decoding_options* options = heif_decoding_options_alloc();
  options->convert_hdr_to_8bit = 1;
  heif_image* image = nullptr;
  error = heif_decode_image(handle, &image, heif_colorspace_RGB,
                            alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options);
  heif_decoding_options_free(options);
  if (error.code != heif_error_Ok || !image) return {};
  QImage result = ToQImage(image, alpha);
  heif_image_release(image);
  return result;
}

QString DamagedReason(const heif_error& error) {
  const QString detail = error.message ? QString::fromUtf8(error.message) : QString();
  return detail.isEmpty() ? TrHeif(QT_TRANSLATE_NOOP("THeifPicture", "the HEIF picture is damaged"))
                          : TrHeif(QT_TRANSLATE_NOOP("THeifPicture", "the HEIF picture is damaged (%1)")).arg(detail);
}

}  // namespace

struct THeifPicture::TData {
  explicit TData(const QString& path) : File(path) {}
  ~TData() {
    if (Context) heif_context_free(Context);
  }
  TPhotoFile File;
  TSource Source;
  heif_context* Context = nullptr;
  THandle Primary;
};

THeifPicture::THeifPicture(const QString& path, qint64 maxPixels)
    : D(std::make_unique<TData>(path)), FMaxPixels(maxPixels) {
  InitializeLibrary();
  if (!D->File.IsOpen()) {
    FStatus = D->File.Status();
    FReason = D->File.Reason();
    return;
  }
  D->Source.Fd = D->File.Handle();
  D->Source.Size = int64_t(D->File.Info().st_size);
  D->Context = heif_context_alloc();
  if (!D->Context) {
    FStatus = OutOfMemory;
    return;
  }
  heif_error error = heif_context_read_from_reader(D->Context, &Reader, &D->Source, nullptr);
  if (error.code == heif_error_Ok) error = heif_context_get_primary_image_handle(D->Context, &D->Primary.Handle);
  if (error.code != heif_error_Ok) {
    FStatus = error.code == heif_error_Unsupported_filetype ? UnknownImageFormat : GenericError;
    FReason = FStatus == UnknownImageFormat ? TrHeif(QT_TRANSLATE_NOOP("THeifPicture", "not a HEIF or AVIF picture"))
                                            : DamagedReason(error);
    return;
  }
  // The stored size and the delivered one: either too large is refused
  // before a pixel is decoded.
  const qint64 ispe = qint64(heif_image_handle_get_ispe_width(D->Primary.Handle)) *
                      qint64(heif_image_handle_get_ispe_height(D->Primary.Handle));
  FSize = QSize(heif_image_handle_get_width(D->Primary.Handle), heif_image_handle_get_height(D->Primary.Handle));
  const qint64 delivered = qint64(FSize.width()) * FSize.height();
  if (FSize.width() <= 0 || FSize.height() <= 0) {
    FStatus = GenericError;
    FReason = TrHeif(QT_TRANSLATE_NOOP("THeifPicture", "the HEIF picture has no size"));
  } else if (ispe > FMaxPixels || delivered > FMaxPixels) {
    FStatus = OutOfMemory;
    FReason = TrHeif(QT_TRANSLATE_NOOP("THeifPicture", "the picture is too large (%1 megapixels; at most %2 are read)"))
                  .arg(std::max(ispe, delivered) / 1000000)
                  .arg(FMaxPixels / 1000000);
  }
}

THeifPicture::~THeifPicture() = default;

namespace {

// The blocks of a type (and content type, when given) of a handle.
QByteArray Block(const heif_image_handle* handle, const char* type, const char* contentType) {
  const int count = heif_image_handle_get_number_of_metadata_blocks(handle, type);
  if (count <= 0) return {};
  std::vector<heif_item_id> ids(static_cast<size_t>(count));
  heif_image_handle_get_list_of_metadata_block_IDs(handle, type, ids.data(), count);
  for (const heif_item_id id : ids) {
    if (contentType) {
      const char* content = heif_image_handle_get_metadata_content_type(handle, id);
      if (!content || qstrcmp(content, contentType) != 0) continue;
    }
    const size_t size = heif_image_handle_get_metadata_size(handle, id);
    if (size == 0 || size > 64u * 1024 * 1024) continue;
    QByteArray data(qsizetype(size), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle, id, data.data()).code == heif_error_Ok) return data;
  }
  return {};
}

}  // namespace

QByteArray THeifPicture::Exif() const {
  if (FStatus != Ok && FStatus != OutOfMemory) return {};
  const QByteArray block = Block(D->Primary.Handle, "Exif", nullptr);
  // A 4-byte offset to the TIFF header, which may follow "Exif\0\0".
  if (block.size() < 4) return {};
  const quint32 offset = qFromBigEndian<quint32>(block.constData());
  if (offset > quint32(block.size() - 4)) return {};
  QByteArray tiff = block.mid(4 + qsizetype(offset));
  if (tiff.startsWith(QByteArray("Exif\0\0", 6))) tiff.remove(0, 6);
  return tiff.startsWith("II*") || tiff.startsWith("MM\0*") ? tiff : QByteArray();
}

QByteArray THeifPicture::Xmp() const {
  if (FStatus != Ok && FStatus != OutOfMemory) return {};
  return Block(D->Primary.Handle, "mime", "application/rdf+xml");
}

QList<QSize> THeifPicture::ThumbnailSizes() const {
  QList<QSize> sizes;
  if (FStatus != Ok) return sizes;
  const int count = heif_image_handle_get_number_of_thumbnails(D->Primary.Handle);
  if (count <= 0) return sizes;
  std::vector<heif_item_id> ids(static_cast<size_t>(count));
  heif_image_handle_get_list_of_thumbnail_IDs(D->Primary.Handle, ids.data(), count);
  for (const heif_item_id id : ids) {
    THandle thumb;
    if (heif_image_handle_get_thumbnail(D->Primary.Handle, id, &thumb.Handle).code != heif_error_Ok) {
      sizes.append(QSize());
      continue;
    }
    sizes.append(QSize(heif_image_handle_get_width(thumb.Handle), heif_image_handle_get_height(thumb.Handle)));
  }
  return sizes;
}

QImage THeifPicture::DecodeThumbnail(int index) const {
  if (FStatus != Ok) return {};
  const int count = heif_image_handle_get_number_of_thumbnails(D->Primary.Handle);
  if (index < 0 || index >= count) return {};
  std::vector<heif_item_id> ids(static_cast<size_t>(count));
  heif_image_handle_get_list_of_thumbnail_IDs(D->Primary.Handle, ids.data(), count);
  THandle thumb;
  if (heif_image_handle_get_thumbnail(D->Primary.Handle, ids[size_t(index)], &thumb.Handle).code != heif_error_Ok)
    return {};
  const qint64 pixels =
      qint64(heif_image_handle_get_ispe_width(thumb.Handle)) * qint64(heif_image_handle_get_ispe_height(thumb.Handle));
  if (pixels <= 0 || pixels > FMaxPixels) return {};
  heif_error error{};
  return DecodeHandle(thumb.Handle, error);
}

QImage THeifPicture::Decode(TGPStatus& status, QString& reason) const {
  status = FStatus;
  reason = FReason;
  if (FStatus != Ok) return {};
  heif_error error{};
  QImage image = DecodeHandle(D->Primary.Handle, error);
  if (error.code == heif_error_Memory_allocation_error || (error.code == heif_error_Ok && image.isNull())) {
    status = OutOfMemory;
    reason = TrHeif(QT_TRANSLATE_NOOP("THeifPicture", "not enough memory to decode the picture"));
  } else if (error.code != heif_error_Ok) {
    status = error.code == heif_error_Unsupported_feature ? UnknownImageFormat : GenericError;
    reason = DamagedReason(error);
  }
  return image;
}
