// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnailstore.h"

#include "imageformats.h"
#include "stagedfile.h"
#include "xmpsidecar.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QUrl>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Q_LOGGING_CATEGORY(lcStore, "zelvane.thumbnails", QtWarningMsg)

namespace {

struct TFileStamp {
  bool Ok = false;
  qint64 Size = 0;
  qint64 Seconds = 0;
  qint64 Nanoseconds = 0;
};

TFileStamp Stamp(const QString& path) {
  struct stat st {};
  TFileStamp stamp;
  if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
  // The standard's privacy rule: no thumbnail of a file others may not read.
  if (::access(QFile::encodeName(path).constData(), R_OK) != 0) return stamp;
  stamp.Ok = true;
  stamp.Size = st.st_size;
  stamp.Seconds = st.st_mtim.tv_sec;
  stamp.Nanoseconds = st.st_mtim.tv_nsec;
  return stamp;
}

QString StampText(const TFileStamp& s) {
  return QStringLiteral("%1.%2").arg(s.Seconds).arg(s.Nanoseconds, 9, 10, QChar(u'0'));
}

// A photo that keeps its attributes in an XMP sidecar is drawn from both
// files: the sidecar's size and time (or "none") are part of what a stored
// thumbnail was made from. Empty for a photo that keeps them itself.
QString SidecarStampText(const QString& path) {
  if (ImageFormats::KeepsAttributesInFile(path) || !ImageFormats::IsSupportedFile(path)) return {};
  const TFileStamp stamp = Stamp(TXmpSidecar::PathOf(path));
  return stamp.Ok ? QString::number(stamp.Size) + u'@' + StampText(stamp) : QStringLiteral("none");
}

// Reads a PNG thumbnail and its text chunks; null when it is not one.
QImage ReadPng(const QString& file, QImageReader& reader) {
  reader.setFileName(file);
  reader.setFormat("png");
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > 1024 || size.height() > 1024) return {};
  return reader.read();
}

bool InsideThumbnailFolder(const QString& path, const QString& root) {
  return QFileInfo(path).absoluteFilePath().startsWith(root + u'/');
}

}  // namespace

TThumbnailStore::TThumbnailStore(const QString& cacheHome) {
  QString home = cacheHome;
  if (home.isEmpty()) home = qEnvironmentVariable("XDG_CACHE_HOME");
  if (home.isEmpty() || !QDir::isAbsolutePath(home)) home = QDir::homePath() + QStringLiteral("/.cache");
  FOwn = home + QStringLiteral("/zelvane/thumbnails");
  FShared = home + QStringLiteral("/thumbnails");
  FFail = FShared + QStringLiteral("/fail/zelvane-" ZELVANE_STORE_VERSION);
}

QString TThumbnailStore::UriOf(const QString& path) {
  return QString::fromLatin1(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded());
}

QString TThumbnailStore::NameOf(const QString& path) {
  return QString::fromLatin1(QCryptographicHash::hash(UriOf(path).toUtf8(), QCryptographicHash::Md5).toHex()) +
         QStringLiteral(".png");
}

bool TThumbnailStore::Write(const QString& folder, const QString& name, const QImage& image,
                            const QString& path, const QStringList& extra) const {
  const TFileStamp stamp = Stamp(path);
  if (!stamp.Ok) return false;
  if (!QDir().mkpath(folder)) {
    if (!FWarned.exchange(true)) qCWarning(lcStore) << "thumbnails are not kept: cannot make" << folder;
    return false;
  }
  // Folders 0700 (the standard), up to the store's own.
  for (QString f = folder; f.startsWith(FShared) || f.startsWith(FOwn); f = QFileInfo(f).path()) {
    ::chmod(QFile::encodeName(f).constData(), 0700);
    if (f == FShared || f == FOwn) break;
  }
  // The chunks go on the image itself: the writer's own text takes a key's
  // colons for its "key: value" separator.
  QImage tagged = image;
  tagged.setText(QStringLiteral("Thumb::URI"), UriOf(path));
  tagged.setText(QStringLiteral("Thumb::MTime"), QString::number(stamp.Seconds));
  tagged.setText(QStringLiteral("Thumb::Size"), QString::number(stamp.Size));
  tagged.setText(QStringLiteral("Software"), QStringLiteral("Zelvane"));
  tagged.setText(QStringLiteral("Zelvane::MTimeNs"), StampText(stamp));
  if (const QString sidecar = SidecarStampText(path); !sidecar.isEmpty())
    tagged.setText(QStringLiteral("Zelvane::Sidecar"), sidecar);
  for (int i = 0; i + 1 < extra.size(); i += 2) tagged.setText(extra[i], extra[i + 1]);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(90);  // light compression: thumbnails are small, writing them is on the listing's path
  if (!writer.write(tagged)) return false;
  // Private (0600, as the standard asks) and not flushed: a thumbnail lost
  // in a crash is made again, and flushing would slow the listing down.
  TStagedFile staged(folder + u'/' + name);
  const bool ok = staged.Write(buffer.data()) &&
                  staged.Commit(S_IRUSR | S_IWUSR, TStagedFile::TDurability::Cached);
  if (!ok && !FWarned.exchange(true)) qCWarning(lcStore) << "thumbnails are not kept:" << staged.Reason();
  return ok;
}

QImage TThumbnailStore::Find(const QString& path) const {
  const TFileStamp stamp = Stamp(path);
  if (!stamp.Ok) return {};
  QImageReader reader;
  const QString file = FOwn + u'/' + NameOf(path);
  if (!QFileInfo::exists(file)) return {};
  QImage image = ReadPng(file, reader);
  if (image.isNull() || image.text(QStringLiteral("Thumb::URI")) != UriOf(path) ||
      image.text(QStringLiteral("Thumb::Size")) != QString::number(stamp.Size) ||
      image.text(QStringLiteral("Zelvane::MTimeNs")) != StampText(stamp) ||
      image.text(QStringLiteral("Zelvane::Render")) != QString::number(RenderVersion) ||
      image.text(QStringLiteral("Zelvane::Sidecar")) != SidecarStampText(path))
    return {};
  // Used: the trimming keeps it longer.
  ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), nullptr, 0);
  return image.convertToFormat(QImage::Format_RGB32);
}

void TThumbnailStore::Put(const QString& path, const QImage& thumb) {
  if (InsideThumbnailFolder(path, FShared) || InsideThumbnailFolder(path, FOwn)) return;
  Write(FOwn, NameOf(path), thumb, path, {QStringLiteral("Zelvane::Render"), QString::number(RenderVersion)});
}

void TThumbnailStore::Drop(const QString& path) {
  QFile::remove(FOwn + u'/' + NameOf(path));
}

QImage TThumbnailStore::FindShared(const QString& path) const {
  const TFileStamp stamp = Stamp(path);
  if (!stamp.Ok) return {};
  QImageReader reader;
  for (const char* size : {"normal", "large", "x-large"}) {
    const QString file = FShared + u'/' + QLatin1String(size) + u'/' + NameOf(path);
    if (!QFileInfo::exists(file)) continue;
    const QImage image = ReadPng(file, reader);
    if (image.isNull() || image.text(QStringLiteral("Thumb::URI")) != UriOf(path) ||
        image.text(QStringLiteral("Thumb::MTime")) != QString::number(stamp.Seconds))
      continue;
    const QString sizeText = image.text(QStringLiteral("Thumb::Size"));
    if (!sizeText.isEmpty() && sizeText != QString::number(stamp.Size)) continue;
    return image;
  }
  return {};
}

void TThumbnailStore::PutShared(const QString& path, const QImage& picture) {
  if (picture.isNull() || InsideThumbnailFolder(path, FShared) || InsideThumbnailFolder(path, FOwn)) return;
  QImage normal = picture;
  if (std::max(picture.width(), picture.height()) > SharedNormalSize)
    normal = picture.scaled(SharedNormalSize, SharedNormalSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  Write(FShared + QStringLiteral("/normal"), NameOf(path), normal, path);
}

bool TThumbnailStore::IsFailed(const QString& path, QString* message, QString* reason) const {
  const TFileStamp stamp = Stamp(path);
  const QString file = FFail + u'/' + NameOf(path);
  if (!stamp.Ok || !QFileInfo::exists(file)) return false;
  QImageReader reader;
  const QImage image = ReadPng(file, reader);
  const bool failed = !image.isNull() && image.text(QStringLiteral("Thumb::URI")) == UriOf(path) &&
                      image.text(QStringLiteral("Thumb::MTime")) == QString::number(stamp.Seconds) &&
                      image.text(QStringLiteral("Zelvane::MTimeNs")) == StampText(stamp);
  if (failed && message) *message = image.text(QStringLiteral("Zelvane::Error"));
  if (failed && reason) *reason = image.text(QStringLiteral("Zelvane::Reason"));
  return failed;
}

void TThumbnailStore::PutFailed(const QString& path, const QString& message, const QString& reason) {
  QImage empty(1, 1, QImage::Format_ARGB32);
  empty.fill(Qt::transparent);
  Write(FFail, NameOf(path), empty, path,
        {QStringLiteral("Zelvane::Error"), message, QStringLiteral("Zelvane::Reason"), reason});
}

void TThumbnailStore::Trim(qint64 maxBytes) const {
  struct TFile {
    QString Path;
    qint64 Size;
    qint64 Used;
  };
  std::vector<TFile> files;
  qint64 total = 0;
  for (QDirIterator it(FOwn, {QStringLiteral("*.png")}, QDir::Files); it.hasNext();) {
    const QString file = it.next();
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0) continue;
    const qint64 used = std::max<qint64>(st.st_atim.tv_sec, st.st_mtim.tv_sec);
    files.push_back({file, qint64(st.st_size), used});
    total += st.st_size;
  }
  if (total <= maxBytes) return;
  std::sort(files.begin(), files.end(), [](const TFile& a, const TFile& b) { return a.Used < b.Used; });
  for (const TFile& file : files) {
    if (total <= maxBytes) break;
    if (QFile::remove(file.Path)) total -= file.Size;
  }
}
