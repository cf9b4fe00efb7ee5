// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card.h"
#include "cardpage.h"

#include <QStringList>

// A whole card design: the page settings and both sides.
struct TCardDesign {
  TCardGeneral General;
  TCardFront Front;
  TCardBack Back;

  TCardDesign();
  // Part of the defaults that the design window's Defaults command applies
  // (texts keep their lines).
  void ApplyDefaults();
};

// The card settings file (.vzc): "CARD", then KEY=VALUE lines, CR LF.
//
// Floats are written with "." whatever the locale and read with "." or ",".
// Loading builds the whole design and applies it at once: a missing or bad
// value takes its default (numbers are clamped to their ranges), each one
// noted as "KEY: reason; using VALUE"; a file that is not a card settings
// file changes nothing. The ornaments' margins are kept (B_ORNAMENTMARGIN_n;
// older files read 2).
namespace CardFile {

constexpr qint64 MaxSize = 1024 * 1024;

// The file's lines for a design.
[[nodiscard]] QByteArray Serialize(const TCardDesign& design);
// Reads a design; false with "The file %1 is not a card settings file."
// (or why it cannot be read) and the design untouched. Image paths are
// resolved against the card file and the pattern and ornament folders.
[[nodiscard]] bool Load(const QString& path, TCardDesign& design, QString& message, QStringList* notes = nullptr,
                        const QString& patternFolder = QString(), const QString& ornamentFolder = QString());
// Writes through a temporary file; false with the message (the old file stays).
[[nodiscard]] bool Save(const QString& path, const TCardDesign& design, QString& message);
[[nodiscard]] QString NotACardFile(const QString& path);

}  // namespace CardFile

// Where the card images are: "BackGround/" and "Ornament/" beside the program
// when present, else under share/zelvane/.
// The folders of the patterns and ornaments: the "BGPatterns" and
// "Ornaments" settings when they name a folder, else the program's own.
namespace CardFolders {
[[nodiscard]] QString Patterns();
[[nodiscard]] QString Ornaments();
// The images of a folder ("*.bmp" for patterns in any case, PNG too for ornaments).
[[nodiscard]] QStringList Images(const QString& folder, const QStringList& patterns);
}  // namespace CardFolders
