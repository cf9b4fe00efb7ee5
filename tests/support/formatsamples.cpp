// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatsamples.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>
#include <map>

namespace TestSupport {

namespace {

QByteArray RunEncoder(const QString& program, const QStringList& args, const QString& output) {
  const TProgramRun run = RunProgram(program, args);
  EXPECT_EQ(run.Exit, 0) << program.toStdString() << ": " << run.Err.toStdString();
  return ReadFile(output);
}

// A little-endian TIFF directory under construction: entries by tag, each
// with its type, count and value bytes; values longer than four bytes go
// to the data area, placed when the file is laid out.
struct TDirectory {
  struct TEntry {
    quint16 Type;
    quint32 Count;
    QByteArray Value;
  };
  std::map<quint16, TEntry> Entries;

  void Short(quint16 tag, std::initializer_list<quint16> values) {
    QByteArray bytes;
    for (const quint16 v : values) bytes.append(reinterpret_cast<const char*>(&v), 2);
    Entries[tag] = {3, quint32(values.size()), bytes};
  }
  void Long(quint16 tag, quint32 value) { Entries[tag] = {4, 1, QByteArray(reinterpret_cast<const char*>(&value), 4)}; }
  void Ascii(quint16 tag, const QByteArray& text) { Entries[tag] = {2, quint32(text.size() + 1), text + '\0'}; }
  void Bytes(quint16 tag, const QByteArray& bytes) { Entries[tag] = {1, quint32(bytes.size()), bytes}; }

  [[nodiscard]] qsizetype Size() const {
    qsizetype size = 2 + qsizetype(Entries.size()) * 12 + 4;
    for (const auto& [tag, e] : Entries)
      if (e.Value.size() > 4) size += e.Value.size() + (e.Value.size() & 1);
    return size;
  }
  // Writes the directory at its offset (the file's current end), its long
  // values after it, and the link to the next directory.
  void Write(QByteArray& file, quint32 next) const {
    const quint32 start = quint32(file.size());
    quint32 data = start + 2 + quint32(Entries.size()) * 12 + 4;
    QByteArray area;
    const quint16 count = quint16(Entries.size());
    file.append(reinterpret_cast<const char*>(&count), 2);
    for (const auto& [tag, e] : Entries) {
      file.append(reinterpret_cast<const char*>(&tag), 2);
      file.append(reinterpret_cast<const char*>(&e.Type), 2);
      file.append(reinterpret_cast<const char*>(&e.Count), 4);
      if (e.Value.size() <= 4) {
        file.append(e.Value.leftJustified(4, '\0'));
      } else {
        const quint32 at = data + quint32(area.size());
        file.append(reinterpret_cast<const char*>(&at), 4);
        area.append(e.Value);
        if (e.Value.size() & 1) area.append('\0');
      }
    }
    file.append(reinterpret_cast<const char*>(&next), 4);
    file.append(area);
  }
};

}  // namespace

QByteArray EncodeHeif(const TSandbox& box, const QByteArray& input, const QString& extension, int thumbnail) {
  const bool jpeg = input.startsWith("\xFF\xD8");
  const QString source = box.Write(jpeg ? "heif-source.jpg" : "heif-source.png", input);
  const QString output = box.Path("heif-output." + extension);
  QStringList args{"-q", "60", "-o", output};
  if (thumbnail > 0) args << "-t" << QString::number(thumbnail);
  if (extension == QLatin1String("avif")) args << "-A";
  args << source;
  const QByteArray bytes = RunEncoder("heif-enc", args, output);
  QFile::remove(source);
  QFile::remove(output);
  return bytes;
}

QByteArray EncodeWebp(const TSandbox& box, const QImage& image) {
  const QString source = box.Path("webp-source.png");
  EXPECT_TRUE(image.save(source, "PNG"));
  const QString output = box.Path("webp-output.webp");
  const QByteArray bytes = RunEncoder("cwebp", {"-quiet", "-q", "80", source, "-o", output}, output);
  QFile::remove(source);
  QFile::remove(output);
  return bytes;
}

QByteArray EncodeTiff(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "TIFF"));
  return bytes;
}

QByteArray MakeRaw(const QImage& sensor, const QList<QByteArray>& jpegPreviews, int orientation,
                   const QString& dateTaken, bool previewOffsetPastEnd) {
  const QImage rgb = sensor.convertToFormat(QImage::Format_RGB888);
  QByteArray pixels;
  for (int y = 0; y < rgb.height(); ++y)
    pixels.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);

  // Laid out as: header, IFD0, EXIF IFD, IFD1, pixels, previews.
  TDirectory ifd0, exif, ifd1;
  ifd0.Long(254, 0);  // the full-resolution image
  ifd0.Long(256, quint32(rgb.width()));
  ifd0.Long(257, quint32(rgb.height()));
  ifd0.Short(258, {8, 8, 8});
  ifd0.Short(259, {1});
  ifd0.Short(262, {2});
  ifd0.Ascii(271, "Zelvane Test Camera");
  ifd0.Ascii(272, "Model R");
  ifd0.Long(273, 0);  // strip offset, set below
  ifd0.Short(274, {quint16(orientation)});
  ifd0.Short(277, {3});
  ifd0.Long(278, quint32(rgb.height()));
  ifd0.Long(279, quint32(pixels.size()));
  ifd0.Bytes(50706, QByteArray("\x01\x04\x00\x00", 4));
  if (!jpegPreviews.isEmpty()) {
    ifd0.Long(513, 0);
    ifd0.Long(514, quint32(jpegPreviews[0].size()));
  }
  ifd0.Long(34665, 0);
  if (!dateTaken.isEmpty()) exif.Ascii(36867, dateTaken.toLatin1());
  exif.Bytes(36864, "0232");
  if (jpegPreviews.size() > 1) {
    ifd1.Short(259, {6});
    ifd1.Long(513, 0);
    ifd1.Long(514, quint32(jpegPreviews[1].size()));
  }
  const quint32 ifd0At = 8;
  const quint32 exifAt = ifd0At + quint32(ifd0.Size());
  const quint32 ifd1At = exifAt + quint32(exif.Size());
  const quint32 pixelsAt = ifd1At + (ifd1.Entries.empty() ? 0 : quint32(ifd1.Size()));
  const quint32 previewAt = pixelsAt + quint32(pixels.size());
  ifd0.Long(273, pixelsAt);
  ifd0.Long(34665, exifAt);
  if (!jpegPreviews.isEmpty()) ifd0.Long(513, previewOffsetPastEnd ? previewAt + 10000000 : previewAt);
  if (jpegPreviews.size() > 1) ifd1.Long(513, previewAt + quint32(jpegPreviews[0].size()));

  QByteArray file("II*\0", 4);
  file.append(reinterpret_cast<const char*>(&ifd0At), 4);
  ifd0.Write(file, ifd1.Entries.empty() ? 0 : ifd1At);
  exif.Write(file, 0);
  if (!ifd1.Entries.empty()) ifd1.Write(file, 0);
  EXPECT_EQ(file.size(), qsizetype(pixelsAt));
  file.append(pixels);
  for (const QByteArray& preview : jpegPreviews) file.append(preview);
  return file;
}

}  // namespace TestSupport
