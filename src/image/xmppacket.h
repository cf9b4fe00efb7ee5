// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

#include "standardvalues.h"

// The attribute properties of an XMP packet as another program left them;
// absent ones are empty optionals (a property that is there but empty is an
// empty text).
struct TXmpAttributes {
  std::optional<QString> Title;          // dc:title, x-default (else its first language)
  std::optional<QString> Description;    // dc:description, likewise
  std::optional<QString> LocationShown;  // Iptc4xmpExt:LocationShown[1]/Iptc4xmpExt:Sublocation
  std::optional<QString> Location;       // Iptc4xmpCore:Location
  std::optional<QStringList> Persons;    // Iptc4xmpExt:PersonInImage
  std::optional<QString> DateCreated;    // photoshop:DateCreated as written ("2004-07-15T14:03:22")
};

// One XMP packet (the main one of a JPEG's APP1 segments): read, given the
// attributes, and written again through the metadata library's serializer.
// Every property that is not an attribute keeps its value; the check for
// that is SameOtherProperties. Nothing here throws: a packet that is not XML
// is Damaged and yields no attributes.
//
// The attributes are read by an XML reader of our own (no lock, so listing
// reads on every worker at once); the library parses a packet only to write
// it. The object keeps the packet's text, not the library's parse of it: the
// library's namespace prefixes are process-wide and any packet may rebind
// them, so each use parses the text again from the library's own bindings,
// under the library's lock.
class TXmpPacket {
public:
  enum TStatus { Empty, Loaded, Damaged };
  // Where the packet lives, which bounds its size: a JPEG's APP1 segment
  // (64 KiB), or a sidecar file of its own (a raw developer's edit history
  // may make it large).
  enum class TPlace { Segment, Sidecar };
  static constexpr qsizetype MaxSidecarLength = 16 * 1024 * 1024;

  explicit TXmpPacket(TPlace place = TPlace::Segment);
  ~TXmpPacket();
  TXmpPacket(const TXmpPacket&) = delete;
  TXmpPacket& operator=(const TXmpPacket&) = delete;

  // The packet's bytes (UTF-8 XML, with or without its xpacket wrapper);
  // empty gives an empty packet. Reads the attributes.
  TStatus Load(const QByteArray& packet);
  [[nodiscard]] TStatus Status() const { return FStatus; }

  [[nodiscard]] const TXmpAttributes& Attributes() const { return FAttributes; }
  // Zelvane's own items (simple properties of its namespace, by local name:
  // "Marker", "Name", "Rotation", ...), as the packet holds them.
  [[nodiscard]] const QMap<QString, QString>& OwnItems() const { return FOwn; }
  // Whether a packet's text names any attribute property at all; one that
  // does not (a phone's or a camera's packet) need not be parsed to be read.
  [[nodiscard]] static bool MayHoldAttributes(const QByteArray& packet);
  // Writes the attributes: dc:title and dc:description (x-default, other
  // languages kept), the location both as Iptc4xmpCore:Location and as the
  // sublocation of the first Iptc4xmpExt:LocationShown (its other fields
  // kept), Iptc4xmpExt:PersonInImage and photoshop:DateCreated. An empty
  // value removes the property. false on a damaged packet.
  bool SetAttributes(const TStandardValues& values);
  // Replaces Zelvane's own items: every one given is written (an empty text
  // removes it), every other one of its namespace removed. false on a
  // damaged packet.
  bool SetOwnItems(const QMap<QString, QString>& items);

  enum TSaveResult { Saved, TooLarge, Unreadable, Failed };
  // The serialized packet, with its xpacket wrapper: empty when the packet
  // holds no property. TooLarge when it would not fit one APP1 segment (or
  // MaxSidecarLength);
  // Unreadable when the library cannot parse the packet (XML, but not
  // XMP); Failed when it cannot be made, or an attribute would not land in
  // its own namespace.
  [[nodiscard]] TSaveResult Save(QByteArray& packet) const;

  // Whether two packets hold the same properties, value for value, apart
  // from the attribute properties and Zelvane's own items; what differs
  // first goes to difference.
  [[nodiscard]] static bool SameOtherProperties(const TXmpPacket& before, const TXmpPacket& after,
                                                QString* difference = nullptr);

  // A date read back from the forms XMP allows ("YYYY", "YYYY-MM",
  // "YYYY-MM-DD", with a time of minutes, seconds or fractions, with or
  // without a zone, which is ignored: the clock time the photo was taken at
  // is kept). 0 when unreadable. Dates are written as "YYYY-MM-DDThh:mm:ss"
  // (DateTimeUtil::ToIsoText).
  [[nodiscard]] static TDateTime ParseDate(const QString& text);

private:
  [[nodiscard]] qsizetype MaxLength() const;

  TPlace FPlace;
  QByteArray FPacket;  // as loaded
  TXmpAttributes FAttributes;
  QMap<QString, QString> FOwn;
  std::optional<TStandardValues> FValues;  // what SetAttributes gave
  std::optional<QMap<QString, QString>> FNewOwn;  // what SetOwnItems gave
  TStatus FStatus = Empty;
};
