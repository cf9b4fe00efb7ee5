// Opens any bytes as a photo, the way Zelvane opens files from disk: the
// header-only attribute read, the thumbnail from the embedded preview or a
// DCT-scaled decode, the full load with the stored red-eye corrections
// painted, zelvane-attr's output, and a save of the attributes back into the
// file.

#include "attrcommand.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "zelvaneerror.h"

#include <QCoreApplication>
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

void Touch(const TImageToDraw& record) {
  const QString json = TAttrCommand::RecordJson(record.FileName, record);
  if (json.isEmpty()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
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
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    Touch(record);
  }
  {
    TImageToDraw record(path);
    TImageScaled thumbnail(&record);
    thumbnail.ReducedDecode = true;
    thumbnail.SetTargetRect({0, 0, 64, 64});
    (void)thumbnail.GetScaledBitmap();
  }
  {
    TImageToDraw record(path);
    record.AcquireImage();
    record.EnsureLoaded();
    record.ApplyRedEyes();
    if (record.RedEyes)
      for (const auto& correction : *record.RedEyes) record.RestoreRedEye(*correction);
    Touch(record);
    if (record.CanSave) {
      try {
        record.Save();
        TImageToDraw reread(path);
        reread.LoadAttributes();
        Touch(reread);
      } catch (const EZelvaneError&) {
      }
    }
    record.ReleaseImage();
  }
  QFile::remove(path);
  QFile::remove(path + u'_');
  return 0;
}
