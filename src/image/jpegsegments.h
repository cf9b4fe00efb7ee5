// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gpstatus.h"

#include <QByteArray>
#include <QString>
#include <optional>

class TPhotoFile;

// What the marker segments at the head of a JPEG file say: the picture size
// from the frame header and where the EXIF block lies. Parsing stops at the
// first scan, so the compressed picture data is never read; every length is
// checked against the data at hand.
struct TJpegHeader {
  bool IsJpeg = false;       // the data starts with the start-of-image marker
  bool Complete = false;     // the first scan was reached
  bool Damaged = false;      // the segments stop making sense before the first scan
  bool HasFrame = false;     // a frame header (SOFn) was found
  int Width = 0;
  int Height = 0;
  int Components = 0;
  qsizetype ExifSegmentStart = -1;  // the APP1 "Exif" segment, marker included
  qsizetype ExifSegmentEnd = -1;
  qsizetype TiffOffset = -1;  // the TIFF block inside it, after "Exif\0\0"
  qsizetype TiffLength = 0;
  qsizetype InsertPos = 2;  // where a new EXIF segment goes: after SOI and any APP0 segments
  // The first APP1 "http://ns.adobe.com/xap/1.0/" segment (the main XMP
  // packet; the extended packets of a large one are segments of their own).
  qsizetype XmpSegmentStart = -1;
  qsizetype XmpSegmentEnd = -1;
  qsizetype XmpOffset = -1;  // the packet, after the namespace and its NUL
  qsizetype XmpLength = 0;
  // The first APP13 "Photoshop 3.0" segment: the image resource blocks that
  // hold the IPTC-IIM block; IrbSegments counts all of them.
  qsizetype IrbSegmentStart = -1;
  qsizetype IrbSegmentEnd = -1;
  qsizetype IrbOffset = -1;  // the resource blocks, after "Photoshop 3.0\0"
  qsizetype IrbLength = 0;
  int IrbSegments = 0;

  [[nodiscard]] bool HasExif() const { return TiffOffset >= 0; }
  [[nodiscard]] bool HasXmp() const { return XmpOffset >= 0; }
  [[nodiscard]] bool HasIrb() const { return IrbOffset >= 0; }
  [[nodiscard]] QByteArray Tiff(const QByteArray& data) const {
    return HasExif() ? data.mid(TiffOffset, TiffLength) : QByteArray();
  }
  [[nodiscard]] QByteArray Xmp(const QByteArray& data) const {
    return HasXmp() ? data.mid(XmpOffset, XmpLength) : QByteArray();
  }
  [[nodiscard]] QByteArray Irb(const QByteArray& data) const {
    return HasIrb() ? data.mid(IrbOffset, IrbLength) : QByteArray();
  }
};

// The metadata segments a save writes: the EXIF block always, the XMP packet
// and the Photoshop resource blocks when set. A new XMP segment goes right
// after the EXIF segment, and an empty packet removes the segment; resource
// blocks only replace the ones there are.
struct TMetadataSegments {
  QByteArray Tiff;
  std::optional<QByteArray> XmpPacket;
  std::optional<QByteArray> Irb;
};

class TJpegSegments {
public:
  // The largest TIFF block one APP1 segment can carry.
  static constexpr qsizetype MaxTiffLength = 65535 - 2 - 6;
  // The largest XMP packet one APP1 segment can carry (after its namespace).
  static constexpr qsizetype MaxXmpLength = 65535 - 2 - 29;
  // The largest block of Photoshop resources one APP13 segment can carry.
  static constexpr qsizetype MaxIrbLength = 65535 - 2 - 14;

  // The data starts with the start-of-image marker. That alone makes it JPEG
  // for the decoder and the parser; what follows may still be damaged.
  [[nodiscard]] static bool HasJpegSignature(const QByteArray& data);
  [[nodiscard]] static TJpegHeader Parse(const QByteArray& data);

  // Reads as much of a regular file as its head needs (up to the first scan).
  // status is Ok, FileNotFound or Win32Error, with the reason in words.
  [[nodiscard]] static QByteArray ReadHead(const QString& path, TGPStatus& status, QString* reason = nullptr);
  [[nodiscard]] static QByteArray ReadHead(TPhotoFile& file);

  // One marker segment: the marker, its length and the payload (at most
  // 65533 bytes).
  [[nodiscard]] static QByteArray Segment(unsigned char marker, const QByteArray& payload);

  // The file with its EXIF block replaced by (or, if it had none, given) the
  // TIFF block; every other byte is kept. Empty when the block is too large.
  [[nodiscard]] static QByteArray ReplaceExif(const QByteArray& jpeg, const TJpegHeader& header,
                                              const QByteArray& tiff);
  // The file with its metadata segments replaced (or added) as given; every
  // other byte is kept. Empty when a block is too large for its segment.
  [[nodiscard]] static QByteArray ReplaceMetadata(const QByteArray& jpeg, const TJpegHeader& header,
                                                  const TMetadataSegments& segments);
};
