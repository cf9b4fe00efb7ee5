#include "searchcandidates.h"

#include "imageformats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace SearchCandidates {
namespace {

void Walk(const QString& folder, bool subfolders, QSet<QString>& seen, QStringList& photos,
          const std::atomic<bool>* cancelled) {
  if (cancelled && cancelled->load()) return;
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  if (canonical.isEmpty() || seen.contains(canonical)) return;
  seen.insert(canonical);
  QFileInfoList entries = QDir(folder).entryInfoList(
      QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
  std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
    return QFile::encodeName(a.fileName()) < QFile::encodeName(b.fileName());
  });
  QStringList folders;
  for (const QFileInfo& entry : entries) {
    if (entry.isDir())
      folders.append(entry.filePath());
    else if (entry.isFile() && ImageFormats::IsSupportedFile(entry.fileName()))
      photos.append(entry.filePath());
  }
  if (subfolders)
    for (const QString& sub : folders) Walk(sub, true, seen, photos, cancelled);
}

}  // namespace

QStringList Collect(const QString& folder, bool subfolders, const std::atomic<bool>* cancelled) {
  QStringList photos;
  QSet<QString> seen;
  Walk(QDir(folder).absolutePath(), subfolders, seen, photos, cancelled);
  return photos;
}

}  // namespace SearchCandidates
