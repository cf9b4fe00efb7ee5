#pragma once

#include "gpstatus.h"

#include <QByteArray>
#include <QString>

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

  [[nodiscard]] bool HasExif() const { return TiffOffset >= 0; }
};

class TJpegSegments {
public:
  // The largest TIFF block one APP1 segment can carry.
  static constexpr qsizetype MaxTiffLength = 65535 - 2 - 6;

  // The data starts with the start-of-image marker. That alone makes it JPEG
  // for the decoder and the parser; what follows may still be damaged.
  [[nodiscard]] static bool HasJpegSignature(const QByteArray& data);
  [[nodiscard]] static TJpegHeader Parse(const QByteArray& data);

  // Reads as much of a regular file as its head needs (up to the first scan).
  // status is Ok, FileNotFound or Win32Error, with the reason in words.
  [[nodiscard]] static QByteArray ReadHead(const QString& path, TGPStatus& status, QString* reason = nullptr);
  [[nodiscard]] static QByteArray ReadHead(TPhotoFile& file);

  // The file with its EXIF block replaced by (or, if it had none, given) the
  // TIFF block; every other byte is kept. Empty when the block is too large.
  [[nodiscard]] static QByteArray ReplaceExif(const QByteArray& jpeg, const TJpegHeader& header,
                                              const QByteArray& tiff);
};
