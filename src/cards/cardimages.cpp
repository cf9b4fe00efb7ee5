// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardimages.h"

#include <QBuffer>
#include <QCache>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <mutex>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CardImages {

namespace {

std::mutex& CacheLock() {
  static std::mutex lock;
  return lock;
}

// Up to about 256 MiB of decoded images.
QCache<QString, QImage>& Cache() {
  static QCache<QString, QImage> cache(256 * 1024);  // cost in KiB
  return cache;
}

bool& CacheOn() {
  static bool on = true;
  return on;
}

// Opens a regular file within the size limit (without blocking: a FIFO would
// wait for a writer) and names its version: path, size and time.
int OpenRegular(const QString& path, QString& problem, QString& key) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (canonical.isEmpty()) {
    problem = QStringLiteral("no such file");
    return -1;
  }
  const int fd = ::open(QFile::encodeName(canonical).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    problem = QStringLiteral("cannot be opened");
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    problem = QStringLiteral("not a regular file");
    return -1;
  }
  if (st.st_size > MaxFileSize) {
    ::close(fd);
    problem = QStringLiteral("larger than 64 MiB");
    return -1;
  }
  key = QStringLiteral("%1|%2|%3.%4")
            .arg(canonical)
            .arg(qint64(st.st_size))
            .arg(qint64(st.st_mtim.tv_sec))
            .arg(qint64(st.st_mtim.tv_nsec));
  return fd;
}

QImage Decode(const QByteArray& bytes, QString& problem) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (reader.format().isEmpty() || !size.isValid() || size.isEmpty()) {
    problem = QStringLiteral("not an image");
    return {};
  }
  if (qint64(size.width()) * size.height() > MaxPixels) {
    problem = QStringLiteral("larger than 100 megapixels");
    return {};
  }
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    problem = QStringLiteral("not an image");
    return {};
  }
  return image;
}

QImage LoadChecked(const QString& path, QString& problem) {
  problem.clear();
  if (path.isEmpty()) {
    problem = QStringLiteral("no file");
    return {};
  }
  QString key;
  const int fd = OpenRegular(path, problem, key);
  if (fd < 0) return {};
  if (CacheOn()) {
    std::lock_guard locker(CacheLock());
    if (const QImage* cached = Cache().object(key)) {
      ::close(fd);
      return *cached;
    }
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    problem = QStringLiteral("cannot be read");
    return {};
  }
  const QByteArray bytes = file.read(MaxFileSize + 1);
  file.close();
  QImageReader::setAllocationLimit(512);
  const QImage image = Decode(bytes, problem);
  if (!image.isNull() && CacheOn()) {
    std::lock_guard locker(CacheLock());
    Cache().insert(key, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
  }
  return image;
}

}  // namespace

QImage Load(const QString& path) {
  QString problem;
  return LoadChecked(path, problem);
}

QImage LoadScaled(const QString& path, QSize size) {
  const QImage image = Load(path);
  if (image.isNull() || size.isEmpty() || size == image.size()) return image;
  if (!CacheOn()) return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QString key = QStringLiteral("%1|%2x%3|%4").arg(path).arg(size.width()).arg(size.height()).arg(image.cacheKey());
  {
    std::lock_guard locker(CacheLock());
    if (const QImage* cached = Cache().object(key)) return *cached;
  }
  const QImage scaled = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  std::lock_guard locker(CacheLock());
  Cache().insert(key, new QImage(scaled), std::max<qsizetype>(1, scaled.sizeInBytes() / 1024));
  return scaled;
}

QString FileProblem(const QString& path) {
  QString problem, key;
  const int fd = OpenRegular(path, problem, key);
  if (fd >= 0) ::close(fd);
  return problem;
}

QString Problem(const QString& path) {
  QString problem;
  LoadChecked(path, problem);
  return problem;
}

QString Resolve(const QString& stored, const QString& cardFile, const QString& folder) {
  if (stored.isEmpty()) return stored;
  const QFileInfo info(stored);
  if (info.isAbsolute() && info.exists()) return stored;
  if (!info.isAbsolute() && !cardFile.isEmpty()) {
    const QString relative = QFileInfo(cardFile).absoluteDir().filePath(stored);
    if (QFileInfo::exists(relative)) return relative;
  }
  // A path from another computer (say C:\Patterns\Stone.bmp): its file name here.
  QString name = stored;
  name.replace(u'\\', u'/');
  name = name.mid(name.lastIndexOf(u'/') + 1);
  if (!folder.isEmpty() && !name.isEmpty()) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files))
      if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  }
  return stored;
}

void SetCacheEnabled(bool enabled) {
  CacheOn() = enabled;
  if (!enabled) ClearCache();
}

void ClearCache() {
  std::lock_guard locker(CacheLock());
  Cache().clear();
}

}  // namespace CardImages
