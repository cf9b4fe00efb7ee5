// SPDX-License-Identifier: GPL-3.0-or-later
#include "standardattributes.h"

#include "actorlist.h"
#include "cameraplaceholders.h"

namespace StandardAttributes {
namespace {

// An IPTC value cut at the IIM limit by a writer that had the whole text in
// XMP: the XMP text, which it begins.
QString RecoverTruncated(const QString& iptc, const std::optional<QString>& xmp, int limit) {
  if (xmp && xmp->size() > iptc.size() && xmp->startsWith(iptc) && iptc.toUtf8().size() >= limit - 3) return *xmp;
  return iptc;
}

// The MWG choice between an XMP and an IPTC value.
std::optional<QString> Choose(const std::optional<QString>& xmp, const std::optional<QString>& iptc,
                              const TIptcAttributes& block, int limit) {
  if (!block.Present || (xmp && !block.DigestStale)) return xmp;
  if (!iptc) return std::nullopt;
  return RecoverTruncated(*iptc, xmp, limit);
}

std::optional<QString> NonEmpty(const std::optional<QString>& text) {
  if (!text || text->isEmpty()) return std::nullopt;
  return text;
}

}  // namespace

TStandardAttributes Reconcile(const TStandardSources& s) {
  TStandardAttributes a;
  a.Name = NonEmpty(Choose(NonEmpty(s.Xmp.Title), s.Iptc.ObjectName, s.Iptc, TIptcBlock::ObjectNameLimit));

  if (s.ImageDescription && !CameraPlaceholders::IsPlaceholder(*s.ImageDescription, s.Make, s.Model))
    a.Description = s.ImageDescription;
  else
    a.Description = NonEmpty(Choose(s.Xmp.Description, s.Iptc.Caption, s.Iptc, TIptcBlock::CaptionLimit));

  const std::optional<QString> xmpLocation = NonEmpty(s.Xmp.LocationShown) ? s.Xmp.LocationShown : s.Xmp.Location;
  a.Location = NonEmpty(Choose(NonEmpty(xmpLocation), s.Iptc.SubLocation, s.Iptc, TIptcBlock::SubLocationLimit));

  if (s.Xmp.Persons) {
    QStringList names;
    for (QString name : *s.Xmp.Persons) {
      name = name.trimmed();
      if (!name.isEmpty()) names.append(name.replace(u';', u','));
    }
    if (!names.isEmpty()) a.Actors = ActorList::Join(names);
  }

  const TDateTime xmpDate = s.Xmp.DateCreated ? TXmpPacket::ParseDate(*s.Xmp.DateCreated) : 0;
  const bool iptcFirst = s.Iptc.Present && (xmpDate == 0 || s.Iptc.DigestStale);
  a.DateTime = iptcFirst ? s.Iptc.DateCreated : xmpDate;
  return a;
}

}  // namespace StandardAttributes
