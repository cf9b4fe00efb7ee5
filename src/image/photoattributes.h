// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datetime.h"
#include "gprect.h"
#include "redeyes.h"

#include <QString>

// Where a record's attributes came from when the file was last read.
enum class TAttributeSource {
  Derived,   // nothing stored: the file name, the camera's or the file's date
  Standard,  // at least one from the places other programs write (XMP, IPTC, EXIF)
  Zelvane,   // Zelvane's own items ("Vorn Software" marker)
};

// A photo's attributes as one value: what a record hands out as a snapshot
// (read whole under its lock) and takes back whole. The red-eye list is
// shared with the record's views (its corrections carry their painting
// state); two values are equal when their stored corrections are.
struct TPhotoAttributes {
  QString Name;
  QString Description;  // may hold CR LF line breaks
  TDateTime DateTime = 0;
  QString Location;
  QString Actors;  // "Anna;Bob;"
  int Rotation = 0;  // 0, 90, 180 or 270, clockwise
  TGPRect ROI;  // stored (unrotated) pixel coordinates
  TRedEyesListPtr RedEyes;  // null until the first load
  // The file carried the "Vorn Software" marker when it was last read.
  bool HasMarker = false;
  TAttributeSource Source = TAttributeSource::Derived;
  // The file's date when DateTime was derived from it (not written to the
  // standard places, where it would pass for the date taken); else 0.
  TDateTime DerivedFileDate = 0;

  friend bool operator==(const TPhotoAttributes& a, const TPhotoAttributes& b) {
    return a.Name == b.Name && a.Description == b.Description && a.DateTime == b.DateTime &&
           a.Location == b.Location && a.Actors == b.Actors && a.Rotation == b.Rotation && a.ROI == b.ROI &&
           SameCorrections(a.RedEyes, b.RedEyes) && a.HasMarker == b.HasMarker && a.Source == b.Source &&
           a.DerivedFileDate == b.DerivedFileDate;
  }

  // The same stored corrections (position, radius, tolerance) in the same order.
  static bool SameCorrections(const TRedEyesListPtr& a, const TRedEyesListPtr& b) {
    const size_t na = a ? a->size() : 0, nb = b ? b->size() : 0;
    if (na != nb) return false;
    for (size_t i = 0; i < na; ++i) {
      const TRedEyes& x = *(*a)[i];
      const TRedEyes& y = *(*b)[i];
      if (x.X != y.X || x.Y != y.Y || x.Radius != y.Radius || x.Tolerance != y.Tolerance) return false;
    }
    return true;
  }
};
