// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageformats.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSet>

namespace ImageFormats {

const QStringList& SupportedExtensions() {
  static const QStringList extensions = [] {
    QSet<QString> set = {QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".jpe"),
                         QStringLiteral(".jfif")};
    for (const QByteArray& format : QImageReader::supportedImageFormats())
      set.insert(u'.' + QString::fromLatin1(format).toLower());
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
  }();
  return extensions;
}

bool IsSupportedFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  return !suffix.isEmpty() && SupportedExtensions().contains(u'.' + suffix.toLower());
}

}  // namespace ImageFormats
