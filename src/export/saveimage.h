// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class TImageToDraw;

// A photo re-encoded at a size: its stored rotation, red-eye corrections and
// (with UseROI) region of interest applied, fitted into Width × Height with
// its proportions kept, from one DCT-scaled decode at the smallest scale that
// covers the fitted size. The shared record's own picture is never loaded.
class TSaveImage {
public:
  static constexpr int JpegQuality = 90;
  bool UseROI = false;
  // Decodes the whole picture instead (the reference the benchmark compares with).
  bool FullDecode = false;
  int Width = 0;
  int Height = 0;

  // The picture as the copy shows it (null with the record's error and reason
  // in error when it cannot be read).
  [[nodiscard]] QImage Render(TImageToDraw& record, int width, int height, QString& error) const;
  // JPEG bytes of a picture, upright as drawn and without an orientation
  // tag; with attributesOf, the source's attributes go with it as the nine
  // items (the whole copy as region of interest, no red eyes, no rotation)
  // and in an XMP packet for other programs, and nothing else of the
  // source's metadata.
  [[nodiscard]] static QByteArray Encode(const QImage& picture, const TImageToDraw* attributesOf, QString& error);
  // Renders, encodes and writes a sized copy; false with the error.
  bool SaveScaled(TImageToDraw& record, bool keepAttributes, int width, int height, const QString& target,
                  QString& error) const;
};

// One photo (or program file) of a copy export: copied whole, or re-encoded
// at the job's size.
class TFileToCopy : public TSaveImage {
public:
  QString SourceFileName;
  QString DestFileName;  // the file to write (already the sized name when resized)
  QString Label;
  bool FullSize = true;
  TPhotoRecord Record;  // none for program files

  // Copies or re-encodes; false with the error. A full-size copy onto its
  // own source writes nothing. A full-size copy of a photo that keeps its
  // attributes in an XMP sidecar takes the sidecar along.
  bool Execute(QString& error) const;
  // Where a full-size copy puts the photo's sidecar (beside the copy, named
  // by the same convention as the original); empty when it takes none.
  [[nodiscard]] QString SidecarDestination() const;

private:
  [[nodiscard]] QString SidecarSource() const;
};
