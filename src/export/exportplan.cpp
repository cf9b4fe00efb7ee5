// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

int TExportPlan::AddFolder(int parent, const QString& text) {
  TExportFolderPlan folder;
  folder.Text = text;
  folder.Parent = parent;
  if (parent >= 0) {
    folder.Path = Folders[parent].Path + u'/' + text;
    folder.Level = Folders[parent].Level + 1;
  } else {
    folder.Path = text;
  }
  Folders.append(folder);
  const int index = int(Folders.size()) - 1;
  if (parent >= 0) Folders[parent].Children.append(index);
  return index;
}

int TExportPlan::PhotoCount() const {
  int count = 0;
  for (const TExportFolderPlan& folder : Folders) count += int(folder.Photos.size());
  return count;
}

bool TExportPlan::IsValidFolderText(const QString& text) {
  if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String("..")) return false;
  for (const QChar c : text)
    if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) return false;
  return true;
}

QString TExportPlan::Problem() const {
  for (int i = 0; i < Folders.size(); ++i) {
    const TExportFolderPlan& folder = Folders[i];
    if (!IsValidFolderText(folder.Text))
      return QStringLiteral("\"%1\" cannot be a folder name").arg(folder.Text);
    const QList<int> siblings = folder.Parent >= 0 ? Folders[folder.Parent].Children : QList<int>{};
    for (int other : siblings)
      if (other < i && Folders[other].Text.compare(folder.Text, Qt::CaseInsensitive) == 0)
        return QStringLiteral("two folders in %1 are named \"%2\"").arg(Folders[folder.Parent].Path, folder.Text);
  }
  return QString();
}


namespace ExportNames {

QString Stem(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? fileName : fileName.left(dot);
}

QString Extension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? QString() : fileName.mid(dot);
}

QString JpegExtension(const QString& fileName) {
  const QString extension = Extension(fileName);
  for (const char* jpeg : {".jpg", ".jpeg", ".jpe", ".jfif"})
    if (extension.compare(QLatin1String(jpeg), Qt::CaseInsensitive) == 0) return extension;
  return QStringLiteral(".jpg");
}

QString SizeSuffix(int width, int height) {
  return QStringLiteral("_%1x%2").arg(width).arg(height);
}

QString UniqueStem(const QString& stem, const QString& extension, QStringList& taken, const QStringList& reserved) {
  QString candidate = stem;
  for (int n = 2;; ++n) {
    const QString key = (candidate + extension).toLower();
    if (!taken.contains(key) && !reserved.contains(candidate.toLower())) {
      taken.append(key);
      return candidate;
    }
    candidate = QStringLiteral("%1_%2").arg(stem).arg(n);
  }
}

QString LinkSegment(const QString& text) {
  return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString LinkPath(const QString& path) {
  QStringList segments = path.split(u'/');
  for (QString& segment : segments) segment = LinkSegment(segment);
  return segments.join(u'/');
}

QString Html(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '&': out += QLatin1String("&amp;"); break;
      case '<': out += QLatin1String("&lt;"); break;
      case '>': out += QLatin1String("&gt;"); break;
      case '"': out += QLatin1String("&quot;"); break;
      case '\'': out += QLatin1String("&#39;"); break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace ExportNames
