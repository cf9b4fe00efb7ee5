// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Opens a file as a photo the way Zelvane opens files from disk: the
// header-only attribute read, the 64 × 64 thumbnail from the embedded preview
// or a DCT-scaled decode, the full load with the stored red-eye corrections
// painted and taken back, zelvane-attr's JSON, and a save of the attributes
// followed by a read-back. Returns the JSON lines it made.
QString ExercisePhoto(const QString& path);

// The same bytes as a photo of each other reader: written as stem.heic
// (libheif), stem.dng (a raw file's previews through the metadata library)
// and stem.webp (Qt's readers), each opened and saved as ExercisePhoto does
// (the save writes a sidecar, removed afterwards with the file). Returns
// the JSON lines.
QString ExerciseOtherFormats(const QByteArray& bytes, const QString& stem);

// Writes a record's nine items into bytes taken as an EXIF block (TIFF
// structure) and checks the result as a save does. Returns false when the
// writer broke one of its own promises: a result that does not fit one
// segment or whose header does not lead to a directory within it.
bool ExerciseExifBlock(const QByteArray& tiff);

// Takes bytes as an XMP packet and as Photoshop resource blocks (with an
// IPTC block among them): reads their attributes, writes ours into them and
// reads the result again, then puts both into a small JPEG at path and opens
// and saves that as a photo (ExercisePhoto). Returns its JSON lines.
QString ExerciseMetadataBlocks(const QByteArray& bytes, const QString& path);

// Reads bytes as a card settings file (.vzc) and draws both sides of the
// design, and a page of them, at 200 × 140. Returns the notes the reader made.
QStringList ExerciseCardFile(const QByteArray& bytes);
