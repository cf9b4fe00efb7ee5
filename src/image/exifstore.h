// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gpstatus.h"
#include "propertyitem.h"

#include <QByteArray>
#include <memory>
#include <vector>

// The property items of one EXIF block (the TIFF structure that a JPEG keeps
// in its APP1 segment). It wraps the metadata library for EXIF, as TXmpPacket
// and TIptcBlock do for the other blocks: every call into it is guarded and
// holds the library's one lock, so a damaged block gives a status, never an
// exception or a crash. Items are read from IFD0 or, failing that,
// from the EXIF sub-IFD. SetPropertyItem and Save build new blocks through
// the library (test photos, the benchmark); a photo's attributes are saved
// by TExifWriter, which moves nothing, and checked here with SameOtherItems.
class TExifStore {
public:
  TExifStore();
  ~TExifStore();
  TExifStore(const TExifStore&) = delete;
  TExifStore& operator=(const TExifStore&) = delete;

  // Parses a TIFF block; an empty block gives an empty store. On failure the
  // store stays empty and the status says why. Status() keeps the last
  // failure of any operation.
  TGPStatus Load(const QByteArray& tiff);
  [[nodiscard]] TGPStatus Status() const { return FStatus; }
  [[nodiscard]] bool IsEmpty() const;

  // false when the item is absent (or its id cannot be a TIFF tag).
  [[nodiscard]] bool GetPropertyItem(quint32 id, TPropertyItem& item) const;
  // The item of IFD0 only.
  [[nodiscard]] bool GetIfd0Item(quint32 id, TPropertyItem& item) const;
  // Replaces or adds the item in IFD0.
  TGPStatus SetPropertyItem(const TPropertyItem& item);

  // The embedded preview picture (JPEG bytes); empty when there is none.
  [[nodiscard]] QByteArray Thumbnail() const;
  // Embeds a JPEG preview in IFD1, replacing any other.
  TGPStatus SetThumbnail(const QByteArray& jpeg);

  // The new TIFF block. It is checked by reading it back: every item set
  // through SetPropertyItem must come out as it went in, and the block must
  // fit one APP1 segment; otherwise the result is empty with a status.
  [[nodiscard]] QByteArray Save(TGPStatus& status) const;

  // Whether two loaded blocks hold the same items, value for value, apart
  // from the IFD0 items with the given ids: every directory the library
  // reads, the maker note's items and the embedded preview's bytes included.
  // false when either failed to load or they differ; what differs first goes
  // to difference.
  [[nodiscard]] static bool SameOtherItems(const TExifStore& before, const TExifStore& after,
                                           const std::vector<quint32>& ifd0Ids, QString* difference = nullptr);

private:
  struct TData;
  std::unique_ptr<TData> D;
  TGPStatus FStatus = Ok;
};
