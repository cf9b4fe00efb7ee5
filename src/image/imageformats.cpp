// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageformats.h"

#include <QHash>
#include <QImageReader>

namespace ImageFormats {

namespace {

// Extension (lower case, no dot) to reader. Qt's readers come last, so that
// a format two readers know (Qt's TIFF reader would open a DNG's first
// image, a thumbnail) keeps the reader named here.
const QHash<QString, TReader>& Table() {
  static const QHash<QString, TReader> table = [] {
    QHash<QString, TReader> t;
    for (const char* e : {"jpg", "jpeg", "jpe", "jfif"}) t.insert(QLatin1String(e), TReader::Jpeg);
    for (const char* e : {"heic", "heif", "hif", "avif"}) t.insert(QLatin1String(e), TReader::Heif);
    for (const char* e : {"dng", "cr2", "cr3", "nef", "arw", "orf", "rw2", "raf", "pef", "srw"})
      t.insert(QLatin1String(e), TReader::Raw);
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
      const QString e = QString::fromLatin1(format).toLower();
      // Qt's own plug-ins for these would bypass the size check and the
      // orientation rules of the readers above.
      if (!t.contains(e) && e != QLatin1String("heic") && e != QLatin1String("heif")) t.insert(e, TReader::Qt);
    }
    return t;
  }();
  return table;
}

QString SuffixOf(const QString& path) {
  const qsizetype slash = path.lastIndexOf(u'/');
  const qsizetype dot = path.lastIndexOf(u'.');
  if (dot <= slash + 1 || dot == path.size() - 1) return {};  // ".hidden" has no extension
  return path.mid(dot + 1).toLower();
}

}  // namespace

const QStringList& SupportedExtensions() {
  static const QStringList extensions = [] {
    QStringList list;
    for (auto it = Table().begin(); it != Table().end(); ++it) list.append(u'.' + it.key());
    list.sort();
    return list;
  }();
  return extensions;
}

TReader ReaderOf(const QString& path) {
  const QString suffix = SuffixOf(path);
  return suffix.isEmpty() ? TReader::None : Table().value(suffix, TReader::None);
}

bool IsSupportedFile(const QString& path) { return ReaderOf(path) != TReader::None; }

bool KeepsAttributesInFile(const QString& path) { return ReaderOf(path) == TReader::Jpeg; }

}  // namespace ImageFormats
