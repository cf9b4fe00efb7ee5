// SPDX-License-Identifier: GPL-3.0-or-later
#include "actorlist.h"

#include <QRegularExpression>

namespace ActorList {

QString Join(const QStringList& names) {
  QString result;
  for (const QString& name : names) result += name + u';';
  return result;
}

QStringList Split(const QString& actors) {
  // A name is a line of the text in which every ";" is a line break, so line
  // breaks inside a stored name separate names as well.
  QString text = actors;
  text.replace(u';', u'\n');
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList names = text.split(lineBreak);
  for (QString& name : names) name = name.trimmed();
  if (!names.isEmpty() && names.last().isEmpty()) names.removeLast();
  return names;
}

QStringList Names(const QString& actors) {
  QStringList names = Split(actors);
  names.removeAll(QString());
  return names;
}

}  // namespace ActorList
