// SPDX-License-Identifier: GPL-3.0-or-later
#include "cameraplaceholders.h"

#include <QSet>

namespace CameraPlaceholders {
namespace {

// The words of a text in capitals, punctuation and spacing dropped.
QStringList Words(const QString& text) {
  QStringList words;
  QString word;
  for (const QChar c : text) {
    if (c.isLetterOrNumber()) {
      word.append(c.toUpper());
    } else if (!word.isEmpty()) {
      words.append(word);
      word.clear();
    }
  }
  if (!word.isEmpty()) words.append(word);
  return words;
}

}  // namespace

const QStringList& FixedTexts() {
  static const QStringList texts = {
      QStringLiteral("OLYMPUS DIGITAL CAMERA"),
      QStringLiteral("KONICA MINOLTA DIGITAL CAMERA"),
      QStringLiteral("MINOLTA DIGITAL CAMERA"),
      QStringLiteral("SONY DSC"),
      QStringLiteral("DIGITAL CAMERA"),
      QStringLiteral("DIGITAL STILL CAMERA"),
      QStringLiteral("SANYO DIGITAL CAMERA"),
      QStringLiteral("SAMSUNG DIGITAL CAMERA"),
      QStringLiteral("SAMSUNG CAMERA PICTURES"),
      QStringLiteral("PENTAX DIGITAL CAMERA"),
      QStringLiteral("NIKON DIGITAL CAMERA"),
      QStringLiteral("LEICA DIGITAL CAMERA"),
      QStringLiteral("AGFA DIGITAL CAMERA"),
      QStringLiteral("CASIO DIGITAL CAMERA"),
      QStringLiteral("KODAK DIGITAL CAMERA"),
      QStringLiteral("PANASONIC DIGITAL CAMERA"),
      QStringLiteral("RICOH DIGITAL CAMERA"),
      QStringLiteral("Exif_JPEG_PICTURE"),
      QStringLiteral("JPEG Image"),
      QStringLiteral("DCIM"),
      QStringLiteral("Default"),
  };
  return texts;
}

bool IsPlaceholder(const QString& text, const QString& make, const QString& model) {
  const QStringList words = Words(text);
  if (text.trimmed().isEmpty()) return true;
  if (words.isEmpty()) return false;  // punctuation only: the user's, not a camera's
  static const QSet<QString> fixed = [] {
    QSet<QString> set;
    for (const QString& t : FixedTexts()) set.insert(Words(t).join(u' '));
    return set;
  }();
  if (fixed.contains(words.join(u' '))) return true;
  const QStringList camera = Words(make + u' ' + model);
  return std::all_of(words.begin(), words.end(), [&](const QString& w) { return camera.contains(w); });
}

}  // namespace CameraPlaceholders
