#include "imagefiles.h"

#include "imageformats.h"

#include <QDir>
#include <QDirIterator>

QStringList CollectImageFiles(const QString& folder, bool recursive) {
  QStringList files;
  const QDir dir(folder);
  // Names are listed once, sorted by name, so the order does not depend on
  // the file system.
  const QFileInfoList entries =
      dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
  for (const QFileInfo& entry : entries) {
    if (entry.isDir()) {
      if (recursive && !entry.isSymLink()) files += CollectImageFiles(entry.filePath(), true);
      continue;
    }
    // Regular files and links to them only: a pipe, device or socket named
    // like a photo is never opened, and a dangling link is nothing to show.
    if (entry.isFile() && ImageFormats::IsSupportedFile(entry.fileName())) files.append(entry.filePath());
  }
  return files;
}
