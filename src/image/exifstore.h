#pragma once

#include "gpstatus.h"
#include "propertyitem.h"

#include <QByteArray>
#include <memory>

// The property items of one EXIF block (the TIFF structure that a JPEG keeps
// in its APP1 segment). This is the only class that talks to the metadata
// library: every call into it is guarded, so a damaged block gives a status,
// never an exception or a crash. Items are read from IFD0 or, failing that,
// from the EXIF sub-IFD, and written into IFD0; saving keeps every other item
// of the block, maker notes, GPS data and the embedded preview included.
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

private:
  struct TData;
  std::unique_ptr<TData> D;
  TGPStatus FStatus = Ok;
};
