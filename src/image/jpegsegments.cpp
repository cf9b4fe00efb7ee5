// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegsegments.h"

#include "photofile.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool IsFrameMarker(unsigned char m) {
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

int Be16(const QByteArray& d, qsizetype pos) {
  return (static_cast<unsigned char>(d[pos]) << 8) | static_cast<unsigned char>(d[pos + 1]);
}

const char ExifId[6] = {'E', 'x', 'i', 'f', 0, 0};
const char XmpId[] = "http://ns.adobe.com/xap/1.0/";  // and its NUL: 29 bytes
const char IrbId[] = "Photoshop 3.0";                 // and its NUL: 14 bytes

bool StartsWith(const QByteArray& data, qsizetype payload, qsizetype end, const char* id, qsizetype length) {
  return end - payload >= length && memcmp(data.constData() + payload, id, size_t(length)) == 0;
}

}  // namespace

bool TJpegSegments::HasJpegSignature(const QByteArray& data) {
  return data.size() >= 2 && static_cast<unsigned char>(data[0]) == 0xFF &&
         static_cast<unsigned char>(data[1]) == 0xD8;
}

TJpegHeader TJpegSegments::Parse(const QByteArray& data) {
  TJpegHeader h;
  if (!HasJpegSignature(data)) return h;
  h.IsJpeg = true;
  qsizetype pos = 2;
  bool leadingApp0 = true;
  const qsizetype size = data.size();
  while (pos < size) {
    if (static_cast<unsigned char>(data[pos]) != 0xFF) {  // not a marker: damaged head
      h.Damaged = true;
      return h;
    }
    while (pos < size && static_cast<unsigned char>(data[pos]) == 0xFF) ++pos;  // fill bytes
    if (pos >= size) return h;
    const unsigned char marker = static_cast<unsigned char>(data[pos]);
    const qsizetype segmentStart = pos - 1;
    ++pos;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // no length
    if (marker == 0xD9) {  // end of image before any scan
      h.Damaged = true;
      return h;
    }
    if (pos + 2 > size) return h;
    const int length = Be16(data, pos);
    if (length < 2) {
      h.Damaged = true;
      return h;
    }
    const qsizetype payload = pos + 2;
    const qsizetype end = pos + length;
    if (end > size) return h;  // segment runs past the data at hand
    if (marker != 0xE0) leadingApp0 = false;
    if (leadingApp0) h.InsertPos = end;
    if (marker == 0xE1 && !h.HasExif() && length >= 2 + 6 && memcmp(data.constData() + payload, ExifId, 6) == 0) {
      h.ExifSegmentStart = segmentStart;
      h.ExifSegmentEnd = end;
      h.TiffOffset = payload + 6;
      h.TiffLength = end - h.TiffOffset;
    } else if (marker == 0xE1 && StartsWith(data, payload, end, XmpId, sizeof XmpId)) {
      if (!h.HasXmp()) {
        h.XmpSegmentStart = segmentStart;
        h.XmpSegmentEnd = end;
        h.XmpOffset = payload + qsizetype(sizeof XmpId);
        h.XmpLength = end - h.XmpOffset;
      }
    } else if (marker == 0xED && StartsWith(data, payload, end, IrbId, sizeof IrbId)) {
      if (!h.HasIrb()) {
        h.IrbSegmentStart = segmentStart;
        h.IrbSegmentEnd = end;
        h.IrbOffset = payload + qsizetype(sizeof IrbId);
        h.IrbLength = end - h.IrbOffset;
      }
      ++h.IrbSegments;
    } else if (IsFrameMarker(marker) && !h.HasFrame && length >= 2 + 6) {
      h.HasFrame = true;
      h.Height = Be16(data, payload + 1);
      h.Width = Be16(data, payload + 3);
      h.Components = static_cast<unsigned char>(data[payload + 5]);
    } else if (marker == 0xDA) {
      h.Complete = true;
      return h;
    }
    pos = end;
  }
  return h;
}

QByteArray TJpegSegments::ReadHead(const QString& path, TGPStatus& status, QString* reason) {
  TPhotoFile file(path);
  QByteArray data = ReadHead(file);
  status = file.Status();
  if (reason) *reason = file.Reason();
  return data;
}

QByteArray TJpegSegments::ReadHead(TPhotoFile& file) {
  QByteArray data;
  qint64 chunk = 64 * 1024;
  while (file.IsOpen() && file.Status() == Ok) {
    const QByteArray more = file.Read(chunk);
    if (more.isEmpty()) break;
    data += more;
    const TJpegHeader h = Parse(data);
    if (!h.IsJpeg || h.Complete || h.Damaged) break;
    chunk = qMin<qint64>(chunk * 2, 4 * 1024 * 1024);
  }
  return data;
}

QByteArray TJpegSegments::Segment(unsigned char marker, const QByteArray& payload) {
  const qsizetype length = 2 + payload.size();
  QByteArray out;
  out.reserve(length + 2);
  out.append(char(0xFF));
  out.append(char(marker));
  out.append(char(length >> 8));
  out.append(char(length & 0xFF));
  out.append(payload);
  return out;
}

QByteArray TJpegSegments::ReplaceExif(const QByteArray& jpeg, const TJpegHeader& header, const QByteArray& tiff) {
  return ReplaceMetadata(jpeg, header, {tiff, std::nullopt, std::nullopt});
}

QByteArray TJpegSegments::ReplaceMetadata(const QByteArray& jpeg, const TJpegHeader& header,
                                          const TMetadataSegments& segments) {
  if (!header.IsJpeg || segments.Tiff.size() > MaxTiffLength) return {};
  if (segments.XmpPacket && segments.XmpPacket->size() > MaxXmpLength) return {};
  if (segments.Irb && segments.Irb->size() > MaxIrbLength) return {};
  // The pieces that change, as (from, to, new bytes), in file order; the
  // new XMP segment follows the EXIF segment at the same place.
  struct TEdit {
    qsizetype From, To;
    QByteArray Bytes;
  };
  std::vector<TEdit> edits;
  const QByteArray exif = Segment(0xE1, QByteArray(ExifId, 6) + segments.Tiff);
  if (header.HasExif())
    edits.push_back({header.ExifSegmentStart, header.ExifSegmentEnd, exif});
  else
    edits.push_back({header.InsertPos, header.InsertPos, exif});
  if (segments.XmpPacket) {
    const QByteArray xmp =
        segments.XmpPacket->isEmpty() ? QByteArray() : Segment(0xE1, QByteArray(XmpId, sizeof XmpId) + *segments.XmpPacket);
    if (header.HasXmp())
      edits.push_back({header.XmpSegmentStart, header.XmpSegmentEnd, xmp});
    else {
      const qsizetype at = header.HasExif() ? header.ExifSegmentEnd : header.InsertPos;
      edits.push_back({at, at, xmp});
    }
  }
  if (segments.Irb && header.HasIrb())
    edits.push_back(
        {header.IrbSegmentStart, header.IrbSegmentEnd, Segment(0xED, QByteArray(IrbId, sizeof IrbId) + *segments.Irb)});
  std::stable_sort(edits.begin(), edits.end(), [](const TEdit& a, const TEdit& b) { return a.From < b.From; });

  QByteArray out;
  qsizetype grown = 0;
  for (const TEdit& e : edits) grown += e.Bytes.size();
  out.reserve(jpeg.size() + grown);
  qsizetype pos = 0;
  for (const TEdit& e : edits) {
    if (e.From < pos) return {};  // overlapping segments: never from Parse
    out.append(jpeg.constData() + pos, e.From - pos);
    out.append(e.Bytes);
    pos = e.To;
  }
  out.append(jpeg.constData() + pos, jpeg.size() - pos);
  return out;
}
