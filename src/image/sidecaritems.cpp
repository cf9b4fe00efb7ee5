// SPDX-License-Identifier: GPL-3.0-or-later
#include "sidecaritems.h"

#include <QStringList>

#include "imagetodraw.h"

namespace SidecarItems {

namespace {

QString Numbers(std::initializer_list<int> values) {
  QStringList parts;
  for (const int v : values) parts.append(QString::number(v));
  return parts.join(u',');
}

// Exactly count integers separated by commas, else nothing.
std::optional<std::vector<int>> ReadNumbers(const QString& text, int count) {
  const QStringList parts = text.split(u',');
  if (parts.size() != count) return std::nullopt;
  std::vector<int> values;
  for (const QString& part : parts) {
    bool ok = false;
    const int v = part.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    values.push_back(v);
  }
  return values;
}

}  // namespace

QMap<QString, QString> From(const TPhotoAttributes& a) {
  QMap<QString, QString> items;
  items.insert(QStringLiteral("Marker"), QString::fromLatin1(TImageToDraw::MarkerText));
  items.insert(QStringLiteral("Name"), a.Name);
  items.insert(QStringLiteral("Description"), a.Description);
  items.insert(QStringLiteral("DateTime"), DateTimeUtil::ToIsoText(a.DateTime));
  items.insert(QStringLiteral("Location"), a.Location);
  items.insert(QStringLiteral("Actors"), a.Actors);
  items.insert(QStringLiteral("Rotation"), QString::number(a.Rotation));
  items.insert(QStringLiteral("RegionOfInterest"), Numbers({a.ROI.X, a.ROI.Y, a.ROI.Width, a.ROI.Height}));
  QStringList eyes;
  if (a.RedEyes)
    for (const auto& e : *a.RedEyes) eyes.append(Numbers({e->X, e->Y, e->Radius, e->Tolerance}));
  items.insert(QStringLiteral("RedEyes"), eyes.join(u';'));
  return items;
}

bool HasMarker(const QMap<QString, QString>& items) {
  return items.value(QStringLiteral("Marker")) == QLatin1String(TImageToDraw::MarkerText);
}

TPhotoAttributes Read(const QMap<QString, QString>& items) {
  TPhotoAttributes a;
  a.HasMarker = true;
  a.Source = TAttributeSource::Zelvane;
  a.Name = items.value(QStringLiteral("Name"));
  a.Description = items.value(QStringLiteral("Description"));
  a.Location = items.value(QStringLiteral("Location"));
  a.Actors = items.value(QStringLiteral("Actors"));
  const QString date = items.value(QStringLiteral("DateTime"));
  if (!DateTimeUtil::FromIsoText(date, a.DateTime)) a.DateTime = DateTimeUtil::FromAttributeText(date);
  const int rotation = items.value(QStringLiteral("Rotation")).toInt();
  a.Rotation = rotation == 90 || rotation == 180 || rotation == 270 ? rotation : 0;
  if (const auto roi = ReadNumbers(items.value(QStringLiteral("RegionOfInterest")), 4))
    a.ROI = TGPRect{(*roi)[0], (*roi)[1], (*roi)[2], (*roi)[3]};
  a.RedEyes = std::make_shared<TRedEyesList>();
  for (const QString& eye : items.value(QStringLiteral("RedEyes")).split(u';', Qt::SkipEmptyParts))
    if (const auto v = ReadNumbers(eye, 4))
      a.RedEyes->push_back(std::make_unique<TRedEyes>((*v)[0], (*v)[1], (*v)[2], (*v)[3]));
  return a;
}

}  // namespace SidecarItems
