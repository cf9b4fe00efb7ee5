// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

#include "photoattributes.h"

// Zelvane's own items as an XMP sidecar holds them: simple text properties
// of its namespace, one per item of a JPEG's private EXIF items (61000 to
// 61008), so a photo of any format keeps all it can keep in a JPEG:
//   Marker "Vorn Software", Name, Description, Location, Actors ("Anna;Bob;"),
//   DateTime "YYYY-MM-DDThh:mm:ss", Rotation "0"/"90"/"180"/"270",
//   RegionOfInterest "x,y,width,height",
//   RedEyes "x,y,radius,tolerance" per correction, joined by ";".
// Values read from a sidecar that anyone may have edited are checked as the
// EXIF items are: a malformed one reads as the default.
namespace SidecarItems {

[[nodiscard]] QMap<QString, QString> From(const TPhotoAttributes& attributes);

// Whether the items carry the marker.
[[nodiscard]] bool HasMarker(const QMap<QString, QString>& items);

// The attributes of marked items (Source Zelvane, HasMarker); the red-eye
// list is a new one.
[[nodiscard]] TPhotoAttributes Read(const QMap<QString, QString>& items);

}  // namespace SidecarItems
