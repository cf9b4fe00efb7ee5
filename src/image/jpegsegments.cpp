#include "jpegsegments.h"

#include "photofile.h"

#include <cstring>

namespace {

bool IsFrameMarker(unsigned char m) {
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

int Be16(const QByteArray& d, qsizetype pos) {
  return (static_cast<unsigned char>(d[pos]) << 8) | static_cast<unsigned char>(d[pos + 1]);
}

const char ExifId[6] = {'E', 'x', 'i', 'f', 0, 0};

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

QByteArray TJpegSegments::ReplaceExif(const QByteArray& jpeg, const TJpegHeader& header, const QByteArray& tiff) {
  if (!header.IsJpeg || tiff.size() > MaxTiffLength) return {};
  const qsizetype cutStart = header.HasExif() ? header.ExifSegmentStart : header.InsertPos;
  const qsizetype cutEnd = header.HasExif() ? header.ExifSegmentEnd : header.InsertPos;
  const int length = int(2 + 6 + tiff.size());
  QByteArray out;
  out.reserve(jpeg.size() + length + 2);
  out.append(jpeg.constData(), cutStart);
  out.append(char(0xFF));
  out.append(char(0xE1));
  out.append(char(length >> 8));
  out.append(char(length & 0xFF));
  out.append(ExifId, 6);
  out.append(tiff);
  out.append(jpeg.constData() + cutEnd, jpeg.size() - cutEnd);
  return out;
}
