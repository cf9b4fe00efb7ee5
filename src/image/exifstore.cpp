// SPDX-License-Identifier: GPL-3.0-or-later
#include "exifstore.h"

#include <QLoggingCategory>
#include <mutex>
#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "jpegsegments.h"
#include "metadatalibrary.h"

// The metadata library's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

Q_LOGGING_CATEGORY(lcExif, "zelvane.exif", QtWarningMsg)

namespace {

const char* const GroupIfd0 = "Image";
const char* const GroupExif = "Photo";

}  // namespace

struct TExifStore::TData {
  QByteArray Original;  // the block as loaded, for in-place updates
  Exiv2::ExifData Data;
  Exiv2::ByteOrder Order = Exiv2::littleEndian;
  std::vector<TPropertyItem> SetItems;  // what SetPropertyItem changed, for the check on save
  // The first item of each IFD0 and EXIF sub-IFD tag, made on the first look-up:
  // the library's own look-up builds and compares a key text for every item
  // of the block, maker notes included, each time.
  mutable std::unordered_map<quint32, Exiv2::ExifData::const_iterator> Index;
  mutable bool Indexed = false;

  static quint32 IndexKey(int ifd, quint32 tag) { return (quint32(ifd) << 16) | (tag & 0xFFFF); }
  static int IfdOf(const char* group) {
    static const int ifd0 = Exiv2::ExifKey(0x010F, GroupIfd0).ifdId();
    static const int exif = Exiv2::ExifKey(0x9003, GroupExif).ifdId();
    return std::strcmp(group, GroupIfd0) == 0 ? ifd0 : exif;
  }

  bool Find(quint32 id, const char* group, TPropertyItem& item) const {
    if (!Indexed) {
      Index.clear();
      const int ifd0 = IfdOf(GroupIfd0), exif = IfdOf(GroupExif);
      for (auto it = Data.begin(); it != Data.end(); ++it) {
        const int ifd = it->ifdId();
        if (ifd == ifd0 || ifd == exif) Index.try_emplace(IndexKey(ifd, it->tag()), it);
      }
      Indexed = true;
    }
    const auto found = Index.find(IndexKey(IfdOf(group), id));
    if (found == Index.end()) return false;
    const auto pos = found->second;
    const long size = pos->size();
    if (size < 0 || size > TJpegSegments::MaxTiffLength) return false;
    item.Id = id;
    item.Type = static_cast<quint16>(pos->typeId());
    item.Value = QByteArray(int(size), '\0');
    if (size > 0) pos->copy(reinterpret_cast<Exiv2::byte*>(item.Value.data()), Exiv2::littleEndian);
    return true;
  }
};

TExifStore::TExifStore() : D(std::make_unique<TData>()) {}
TExifStore::~TExifStore() = default;

TGPStatus TExifStore::Load(const QByteArray& tiff) {
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  D = std::make_unique<TData>();
  FStatus = Ok;
  if (tiff.isEmpty()) return FStatus;
  if (tiff.size() > TJpegSegments::MaxTiffLength) return FStatus = ValueOverflow;
  try {
    D->Order = Exiv2::ExifParser::decode(D->Data, reinterpret_cast<const Exiv2::byte*>(tiff.constData()),
                                         static_cast<uint32_t>(tiff.size()));
    if (D->Order == Exiv2::invalidByteOrder) {
      D = std::make_unique<TData>();
      return FStatus = UnknownImageFormat;
    }
    D->Original = tiff;
  } catch (const std::exception& e) {
    qCDebug(lcExif) << "cannot read EXIF block:" << e.what();
    D = std::make_unique<TData>();
    FStatus = GenericError;
  } catch (...) {
    D = std::make_unique<TData>();
    FStatus = GenericError;
  }
  return FStatus;
}

bool TExifStore::IsEmpty() const { return D->Data.empty(); }

bool TExifStore::GetPropertyItem(quint32 id, TPropertyItem& item) const {
  if (id > 0xFFFF) return false;
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    return D->Find(id, GroupIfd0, item) || D->Find(id, GroupExif, item);
  } catch (...) {
    return false;
  }
}

bool TExifStore::GetIfd0Item(quint32 id, TPropertyItem& item) const {
  if (id > 0xFFFF) return false;
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    return D->Find(id, GroupIfd0, item);
  } catch (...) {
    return false;
  }
}

TGPStatus TExifStore::SetPropertyItem(const TPropertyItem& item) {
  if (item.Id > 0xFFFF || item.Type == 0 || item.Type > 13) return FStatus = InvalidParameter;
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    const Exiv2::ExifKey key(static_cast<uint16_t>(item.Id), GroupIfd0);
    Exiv2::Value::AutoPtr value = Exiv2::Value::create(static_cast<Exiv2::TypeId>(item.Type));
    if (value->read(reinterpret_cast<const Exiv2::byte*>(item.Value.constData()), long(item.Value.size()),
                    Exiv2::littleEndian) != 0)
      return FStatus = InvalidParameter;
    const auto pos = D->Data.findKey(key);
    if (pos != D->Data.end())
      pos->setValue(value.get());
    else
      D->Data.add(key, value.get());
    D->Indexed = false;
    std::erase_if(D->SetItems, [&](const TPropertyItem& i) { return i.Id == item.Id; });
    D->SetItems.push_back(item);
    return Ok;
  } catch (...) {
    return FStatus = GenericError;
  }
}

QByteArray TExifStore::Thumbnail() const {
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    const Exiv2::ExifThumbC thumb(D->Data);
    if (std::string(thumb.mimeType()) != "image/jpeg") return {};
    const Exiv2::DataBuf buf = thumb.copy();
    if (buf.size_ <= 0) return {};
    return QByteArray(reinterpret_cast<const char*>(buf.pData_), int(buf.size_));
  } catch (...) {
    return {};
  }
}

TGPStatus TExifStore::SetThumbnail(const QByteArray& jpeg) {
  if (!TJpegSegments::HasJpegSignature(jpeg)) return FStatus = InvalidParameter;
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    Exiv2::ExifThumb thumb(D->Data);
    thumb.setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(jpeg.constData()), long(jpeg.size()));
    return Ok;
  } catch (...) {
    return FStatus = GenericError;
  }
}

QByteArray TExifStore::Save(TGPStatus& status) const {
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    QByteArray block = D->Original;  // updated in place when the library can
    Exiv2::Blob blob;
    const Exiv2::WriteMethod method =
        Exiv2::ExifParser::encode(blob, block.isEmpty() ? nullptr : reinterpret_cast<const Exiv2::byte*>(block.data()),
                                  static_cast<uint32_t>(block.size()), D->Order, D->Data);
    QByteArray result = method == Exiv2::wmIntrusive
                            ? QByteArray(reinterpret_cast<const char*>(blob.data()), qsizetype(blob.size()))
                            : block;
    if (result.size() > TJpegSegments::MaxTiffLength) {
      status = ValueOverflow;
      return {};
    }
    // The library drops items it thinks too large to fit; read the block
    // back so that a save never silently loses what it was asked to write.
    TData check;
    check.Order = Exiv2::ExifParser::decode(check.Data, reinterpret_cast<const Exiv2::byte*>(result.constData()),
                                            static_cast<uint32_t>(result.size()));
    for (const TPropertyItem& wanted : D->SetItems) {
      TPropertyItem found;
      if (!check.Find(wanted.Id, GroupIfd0, found) || !(found == wanted)) {
        qCDebug(lcExif) << "item did not survive encoding:" << wanted;
        status = GenericError;
        return {};
      }
    }
    status = Ok;
    return result;
  } catch (const std::exception& e) {
    qCDebug(lcExif) << "cannot write EXIF block:" << e.what();
  } catch (...) {
  }
  status = GenericError;
  return {};
}

namespace {

// One item as the library reads it, in a form that sorts and compares.
struct TItemImage {
  std::string Key;
  int Type = 0;
  long Count = 0;
  std::string Value;
  std::string DataArea;
  friend auto operator<=>(const TItemImage&, const TItemImage&) = default;
};

std::string BufString(const Exiv2::DataBuf& buf) {
  return buf.size_ > 0 ? std::string(reinterpret_cast<const char*>(buf.pData_), size_t(buf.size_)) : std::string();
}

// Every item of a block but the listed IFD0 ones, sorted, and the preview.
std::vector<TItemImage> ItemImages(const Exiv2::ExifData& data, Exiv2::ByteOrder order,
                                   const std::vector<quint32>& ifd0Ids) {
  std::vector<TItemImage> items;
  for (const Exiv2::Exifdatum& datum : data) {
    if (datum.groupName() == GroupIfd0 &&
        std::find(ifd0Ids.begin(), ifd0Ids.end(), quint32(datum.tag())) != ifd0Ids.end())
      continue;
    TItemImage item{datum.key(), int(datum.typeId()), datum.count(),
                    std::string(size_t(std::max(0L, datum.size())), '\0'), BufString(datum.dataArea())};
    if (!item.Value.empty()) datum.copy(reinterpret_cast<Exiv2::byte*>(item.Value.data()), order);
    items.push_back(std::move(item));
  }
  const Exiv2::ExifThumbC thumb(data);
  items.push_back({"preview", 0, 0, BufString(thumb.copy()), {}});
  std::sort(items.begin(), items.end());
  return items;
}

}  // namespace

bool TExifStore::SameOtherItems(const TExifStore& before, const TExifStore& after,
                                const std::vector<quint32>& ifd0Ids, QString* difference) {
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  const auto differ = [&](const QString& what) {
    if (difference) *difference = what;
    return false;
  };
  try {
    if (before.Status() != Ok) return differ(QStringLiteral("the old block cannot be read"));
    if (after.Status() != Ok) return differ(QStringLiteral("the new block cannot be read"));
    const std::vector<TItemImage> old = ItemImages(before.D->Data, before.D->Order, ifd0Ids);
    const std::vector<TItemImage> now = ItemImages(after.D->Data, after.D->Order, ifd0Ids);
    if (old == now) return true;
    const auto mismatch = std::mismatch(old.begin(), old.end(), now.begin(), now.end());
    const TItemImage& first = mismatch.first != old.end() ? *mismatch.first : *mismatch.second;
    return differ(QString::fromStdString(first.Key));
  } catch (const std::exception& e) {
    return differ(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    return differ(QStringLiteral("the metadata library failed"));
  }
}

#pragma GCC diagnostic pop
