// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDebug>
#include <QString>

// The settings the main window hands to the windows that need them and takes
// back when they close. Loaded once at start and saved once at exit by
// TPhotoRegistry.
struct TPhotoSettings {
  QString Actors;            // known people, each followed by ";"
  QString CurrentDirectory;  // folder shown in the folder tree
  QString ExportDirectory;   // where the last export went
  QString ShowOnViewer;      // letter codes of the full-screen caption lines: "N;D;L;T;"
  QString SlideShow;         // "seconds;repeat;"
  int ListSort = 0;          // result list order: 0 name, 1 date, 2 location
  // 1: a save also writes the attributes where other programs read them
  // (XMP, IPTC, EXIF ImageDescription); 0: only Zelvane's own items.
  int WriteStandardMetadata = 1;
  // 1: hidden folders and files (names starting with ".") are shown in the
  // folder tree and walked by listings, searches and drops; 0: left out.
  int ShowHidden = 0;

  friend bool operator==(const TPhotoSettings&, const TPhotoSettings&) = default;
};

inline QDebug operator<<(QDebug d, const TPhotoSettings& s) {
  QDebugStateSaver saver(d);
  d.nospace() << "TPhotoSettings(" << s.Actors << ", " << s.CurrentDirectory << ", " << s.ExportDirectory << ", "
              << s.ShowOnViewer << ", " << s.SlideShow << ", " << s.ListSort << ", " << s.WriteStandardMetadata << ", "
              << s.ShowHidden << ')';
  return d;
}

// The values every window reads and updates directly: three folders (each
// with a trailing "/"), the placements of the seven windows that keep one,
// the last print layout and the folders last used for layout and card files.
struct TProcessSettings {
  QString Templates;
  QString BGPatterns;
  QString Ornaments;
  QString MainForm;
  QString EditForm;
  QString PrintForm;
  QString CardsForm;
  QString ExportForm;
  QString FindForm;
  QString BorderForm;
  // The print window's last layout, as the KEY=VALUE lines of a .vzp file.
  QString PrintLayout;
  // Where the Load and Save dialogs of print layouts and card designs start.
  QString LayoutFolder;
  QString CardFolder;

  friend bool operator==(const TProcessSettings&, const TProcessSettings&) = default;
};

// The one set of process-wide values, from the load at start to the end.
TProcessSettings& ProcessSettings();
