// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, written to a file and opened as a photo.

#include "photoexercise.h"

#include <QGuiApplication>
#include <QFile>
#include <QImageReader>
#include <cstdint>
#include <unistd.h>

namespace {

QString ScratchPath() {
  // Shared memory keeps the save's flush cheap.
  static const QString path = QStringLiteral("/dev/shm/zelvane-fuzz-%1.jpg").arg(::getpid());
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Drawing card texts needs fonts: a GUI application without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  QImageReader::setAllocationLimit(64);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = ScratchPath();
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  if (ExercisePhoto(path).isEmpty()) __builtin_trap();
  // The same bytes as an EXIF block of their own, for the attribute writer.
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (!ExerciseExifBlock(bytes)) __builtin_trap();
  // As the XMP and IPTC blocks of a photo.
  if (ExerciseMetadataBlocks(bytes, path).isEmpty()) __builtin_trap();
  // As a HEIC, a raw file and a WebP.
  if (ExerciseOtherFormats(bytes, path.chopped(4)).isEmpty()) __builtin_trap();
  // And as a card settings file, read and drawn.
  ExerciseCardFile(bytes);
  QFile::remove(path);
  QFile::remove(path + u'_');
  return 0;
}
