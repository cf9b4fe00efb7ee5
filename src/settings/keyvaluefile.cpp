// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyvaluefile.h"

#include "attributetext.h"
#include "filereplacer.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

TKeyValueFile TKeyValueFile::Parse(const QByteArray& content, TBlanks blanks) {
  QByteArray bytes = content;
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  const QString text = AttributeText::Decode(bytes);
  TKeyValueFile file;
  QStringList lines = text.split(u'\n');
  for (QString& line : lines)
    if (line.endsWith(u'\r')) line.chop(1);
  // The marker line is simply not a KEY=VALUE line: a file without one
  // (written by hand or by another editor) keeps its first key.
  if (!lines.isEmpty() && !lines.first().contains(u'=')) file.Header = lines.takeFirst();
  for (const QString& line : std::as_const(lines)) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) continue;
    const QString key = line.left(equals);
    if (file.Contains(key)) continue;
    QString value = line.mid(equals + 1);
    if (blanks == TBlanks::Trim) value = value.trimmed();
    file.FItems.append({key, value});
  }
  return file;
}

bool TKeyValueFile::Read(const QString& path, TBlanks blanks, TKeyValueFile& file, QString& reason) {
  QFile device(path);
  if (!device.open(QIODevice::ReadOnly)) {
    reason = device.errorString();
    return false;
  }
  const QByteArray content = device.read(MaxSize + 1);
  if (device.error() != QFileDevice::NoError) {
    reason = device.errorString();
    return false;
  }
  if (content.size() > MaxSize) {
    reason = QStringLiteral("the file is larger than %1 KiB").arg(MaxSize / 1024);
    return false;
  }
  if (content.contains('\0')) {
    reason = QStringLiteral("the file is not a text file");
    return false;
  }
  file = Parse(content, blanks);
  return true;
}

bool TKeyValueFile::Contains(const QString& key) const {
  for (const auto& item : FItems)
    if (item.first.compare(key, Qt::CaseInsensitive) == 0) return true;
  return false;
}

QString TKeyValueFile::Value(const QString& key) const {
  for (const auto& item : FItems)
    if (item.first.compare(key, Qt::CaseInsensitive) == 0) return item.second;
  return QString();
}

void TKeyValueFile::Append(const QString& key, const QString& value) {
  FItems.append({key, value});
}

QString TKeyValueFile::Text() const {
  QString text = Header + QStringLiteral("\r\n");
  for (const auto& item : FItems) text += item.first + u'=' + item.second + QStringLiteral("\r\n");
  return text;
}

QByteArray TKeyValueFile::Serialize() const {
  return AttributeText::Encode(Text());
}

bool TKeyValueFile::Write(const QString& path, QString& reason) const {
  // Not QSaveFile: on a full disk it can commit a cut-off file as saved.
  return TFileReplacer::Replace(path, Serialize(), nullptr, &reason) == TFileReplacer::Replaced;
}
