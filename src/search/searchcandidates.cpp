// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchcandidates.h"

#include "imageformats.h"
#include "thumbnailstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace SearchCandidates {
namespace {

class TWalk {
public:
  TWalk(const TWalkOptions& options, QStringList& photos) : FOptions(options), FPhotos(photos) {
    const TThumbnailStore store;
    for (const QString& folder : {store.SharedFolder(), store.OwnFolder()}) {
      const QString canonical = QFileInfo(folder).canonicalFilePath();
      FStores.append(canonical.isEmpty() ? QDir::cleanPath(folder) : canonical);
    }
  }

  void Folder(const QString& folder) {
    if (FOptions.Cancelled && FOptions.Cancelled->load()) return;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || FSeen.contains(canonical) || IsStore(canonical)) return;
    FSeen.insert(canonical);
    for (const QFileInfo& entry : Entries(folder, FOptions.Hidden)) {
      if (entry.isDir()) {
        if (FOptions.Subfolders) Folder(entry.filePath());
      } else if (entry.isFile() && ImageFormats::IsSupportedFile(entry.fileName())) {
        FPhotos.append(entry.filePath());
      }
    }
  }

  static QFileInfoList Entries(const QString& folder, bool hidden) {
    QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
    if (!hidden)
      entries.removeIf([](const QFileInfo& entry) { return IsHiddenName(entry.fileName()); });
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
      return QFile::encodeName(a.fileName()) < QFile::encodeName(b.fileName());
    });
    return entries;
  }

private:
  bool IsStore(const QString& canonical) const {
    return std::any_of(FStores.begin(), FStores.end(), [&](const QString& store) {
      return canonical == store || canonical.startsWith(store + u'/');
    });
  }

  const TWalkOptions& FOptions;
  QStringList& FPhotos;
  QStringList FStores;
  QSet<QString> FSeen;
};

}  // namespace

QStringList Collect(const QString& folder, const TWalkOptions& options) {
  QStringList photos;
  TWalk(options, photos).Folder(QDir(folder).absolutePath());
  return photos;
}

QStringList Subfolders(const QString& folder, bool hidden) {
  QStringList folders;
  for (const QFileInfo& entry : TWalk::Entries(folder, hidden))
    if (entry.isDir()) folders.append(entry.filePath());
  return folders;
}

bool IsHiddenName(const QString& name) {
  return name.startsWith(u'.');
}

}  // namespace SearchCandidates
