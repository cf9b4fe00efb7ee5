// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchcandidates.h"

#include "imageformats.h"
#include "thumbnailstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

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
    const QString prefix = Prefix(folder);
    for (const TEntry& entry : Entries(folder, FOptions.Hidden)) {
      // The name first: only a photo's name or a folder costs a stat.
      const QString name = QFile::decodeName(entry.Name);
      const bool photoName = ImageFormats::IsSupportedFile(name);
      if (!photoName && !FOptions.Subfolders) continue;
      const TKind kind = KindOf(prefix, entry);
      if (kind == TKind::Folder) {
        if (FOptions.Subfolders) Folder(prefix + name);
      } else if (kind == TKind::File && photoName) {
        FPhotos.append(prefix + name);
      }
    }
  }

  enum class TKind { Folder, File, Other };

  // A folder's path as the start of its entries' paths.
  static QString Prefix(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

  struct TEntry {
    QByteArray Name;
    unsigned char Type;  // readdir's d_type
  };

  // A folder's entries in byte order of their names, read with readdir: a
  // QDir listing would stat every entry and convert each name for every
  // comparison of the sort.
  static std::vector<TEntry> Entries(const QString& folder, bool hidden) {
    std::vector<TEntry> entries;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return entries;
    while (const dirent* e = ::readdir(dir)) {
      const char* name = e->d_name;
      if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
      if (!hidden && name[0] == '.') continue;
      entries.push_back({QByteArray(name), e->d_type});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const TEntry& a, const TEntry& b) { return a.Name < b.Name; });
    return entries;
  }

  // What an entry is, a link by what it leads to (as QFileInfo tells).
  static TKind KindOf(const QString& prefix, const TEntry& entry) {
    if (entry.Type == DT_DIR) return TKind::Folder;
    if (entry.Type == DT_REG) return TKind::File;
    if (entry.Type != DT_LNK && entry.Type != DT_UNKNOWN) return TKind::Other;
    struct stat st {};
    if (::stat(QFile::encodeName(prefix).append(entry.Name).constData(), &st) != 0) return TKind::Other;
    return S_ISDIR(st.st_mode) ? TKind::Folder : S_ISREG(st.st_mode) ? TKind::File : TKind::Other;
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
  const QString prefix = TWalk::Prefix(folder);
  for (const TWalk::TEntry& entry : TWalk::Entries(folder, hidden))
    if (TWalk::KindOf(prefix, entry) == TWalk::TKind::Folder) folders.append(prefix + QFile::decodeName(entry.Name));
  return folders;
}

bool IsHiddenName(const QString& name) {
  return name.startsWith(u'.');
}

}  // namespace SearchCandidates
