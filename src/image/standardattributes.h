// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "datetime.h"
#include "iptcblock.h"
#include "xmppacket.h"

// What a photo without Zelvane's own items says about itself in the places
// other programs write: EXIF ImageDescription, the XMP packet and the
// IPTC-IIM block.
struct TStandardSources {
  std::optional<QString> ImageDescription;  // EXIF 270
  QString Make;                             // EXIF 271 and 272, to know a camera's placeholder
  QString Model;
  TXmpAttributes Xmp;
  TIptcAttributes Iptc;
};

// The attributes found there; absent ones (or empty ones) are left to the
// record's own fallbacks (the file name, the camera's or the file's date).
struct TStandardAttributes {
  std::optional<QString> Name;
  std::optional<QString> Description;
  std::optional<QString> Location;
  std::optional<QString> Actors;  // "Anna;Bob;"
  TDateTime DateTime = 0;

  [[nodiscard]] bool Any() const { return Name || Description || Location || Actors || DateTime != 0; }
};

// The reconciliation of the Metadata Working Group's guidelines: between
// XMP and IPTC the XMP value is taken, unless the photo has an IPTC block
// and either the XMP value is absent or the IPTC digest is stale (another
// program changed the IPTC block after the XMP); a non-blank EXIF
// ImageDescription that is no camera placeholder comes before both for the
// description. The location in XMP is the first LocationShown's
// sublocation, else Iptc4xmpCore:Location; people come from XMP only.
namespace StandardAttributes {

[[nodiscard]] TStandardAttributes Reconcile(const TStandardSources& sources);

}  // namespace StandardAttributes
