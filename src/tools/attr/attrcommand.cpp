// SPDX-License-Identifier: GPL-3.0-or-later
#include "attrcommand.h"

#include "actorlist.h"
#include "datetime.h"
#include "imagetodraw.h"
#include "zelvaneerror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <optional>

namespace {

// A JSON string literal for a text (QJsonDocument handles the escaping).
QString JsonString(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString JsonArray(const QJsonArray& array) {
  return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QString JsonBool(bool value) {
  return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The changes that set was asked for; absent ones stay as they are.
struct TChanges {
  std::optional<QString> Name, Description, Location, Actors;
  std::optional<TDateTime> DateTime;
  std::optional<int> Rotation;
  std::optional<TGPRect> ROI;
  TMetadataScope Scope = TMetadataScope::PrivateAndStandard;
};

QString SourceText(TAttributeSource source) {
  switch (source) {
    case TAttributeSource::Zelvane:
      return QStringLiteral("zelvane");
    case TAttributeSource::Standard:
      return QStringLiteral("standard");
    case TAttributeSource::Derived:
      break;
  }
  return QStringLiteral("derived");
}

bool ParseRoi(const QString& text, TGPRect& rect) {
  static const QRegularExpression pattern(QStringLiteral("^\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch()) return false;
  bool ok[4];
  rect = {m.captured(1).toInt(&ok[0]), m.captured(2).toInt(&ok[1]), m.captured(3).toInt(&ok[2]),
          m.captured(4).toInt(&ok[3])};
  return ok[0] && ok[1] && ok[2] && ok[3];
}

// Fills changes from the option list; returns an error text for wrong usage.
QString ParseChanges(const QStringList& options, TChanges& changes) {
  for (int i = 0; i < options.size(); i += 2) {
    const QString& option = options[i];
    if (option == QLatin1String("--private-only")) {
      changes.Scope = TMetadataScope::PrivateOnly;
      --i;  // takes no value
      continue;
    }
    if (i + 1 >= options.size()) return QStringLiteral("option %1 needs a value").arg(option);
    const QString& value = options[i + 1];
    if (option == QLatin1String("--name")) {
      changes.Name = value;
    } else if (option == QLatin1String("--description")) {
      changes.Description = value;
    } else if (option == QLatin1String("--location")) {
      changes.Location = value;
    } else if (option == QLatin1String("--actors")) {
      changes.Actors = ActorList::Join(ActorList::Split(value));
    } else if (option == QLatin1String("--date")) {
      TDateTime date = 0;
      if (!DateTimeUtil::FromIsoText(value, date))
        return QStringLiteral("--date wants \"YYYY-MM-DD hh:mm:ss\", not \"%1\"").arg(value);
      changes.DateTime = date;
    } else if (option == QLatin1String("--rotation")) {
      bool ok = false;
      const int rotation = value.toInt(&ok);
      if (!ok || (rotation != 0 && rotation != 90 && rotation != 180 && rotation != 270))
        return QStringLiteral("--rotation wants 0, 90, 180 or 270, not \"%1\"").arg(value);
      changes.Rotation = rotation;
    } else if (option == QLatin1String("--roi")) {
      TGPRect roi;
      if (!ParseRoi(value, roi)) return QStringLiteral("--roi wants X,Y,W,H, not \"%1\"").arg(value);
      changes.ROI = roi;
    } else {
      return QStringLiteral("unknown option %1").arg(option);
    }
  }
  return QString();
}

// A message and its reason on one line of the error output.
QString OneLine(const QString& message, const QString& reason) {
  QString line = message;
  line.replace(u'\n', QLatin1String(": "));
  return reason.isEmpty() ? line : line + QLatin1String(": ") + reason;
}

void ApplyChanges(const TChanges& c, TImageToDraw& record) {
  TPhotoAttributes a = record.Attributes();
  if (c.Name) a.Name = *c.Name;
  if (c.Description) a.Description = *c.Description;
  if (c.Location) a.Location = *c.Location;
  if (c.Actors) a.Actors = *c.Actors;
  if (c.DateTime) a.DateTime = *c.DateTime;
  if (c.Rotation) a.Rotation = *c.Rotation;
  if (c.ROI) a.ROI = *c.ROI;
  record.SetAttributes(a);
}

}  // namespace

QString TAttrCommand::Usage() {
  return QStringLiteral(
      "Usage:\n"
      "  zelvane-attr show FILE...\n"
      "      Prints the stored attributes of each photo as one JSON object per line:\n"
      "      file, canSave, error, reason, hasMarker, source, name, description,\n"
      "      dateTime, location, actors, rotation, roi, redEyes, width, height,\n"
      "      storage. storage is \"file\" for a JPEG, which holds its attributes\n"
      "      itself, or \"sidecar\" for every other photo (NAME.EXT.xmp beside it).\n"
      "      source is \"zelvane\" (Zelvane's own items), \"standard\" (read from\n"
      "      XMP, IPTC or EXIF ImageDescription, as other programs wrote them) or\n"
      "      \"derived\" (file name and date). Only the file's metadata and header\n"
      "      are read.\n"
      "  zelvane-attr set FILE [--name T] [--description T] [--location T]\n"
      "                        [--date \"YYYY-MM-DD hh:mm:ss\"] [--actors \"Anna;Bob;\"]\n"
      "                        [--rotation 0|90|180|270] [--roi X,Y,W,H] [--private-only]\n"
      "      Changes the given attributes and saves them into the photo (or its\n"
      "      XMP sidecar), in Zelvane's own items and where other programs read\n"
      "      them (XMP, IPTC, EXIF ImageDescription); with --private-only in\n"
      "      Zelvane's own items only. The picture itself is not touched.\n"
      "  zelvane-attr --help\n"
      "\n"
      "Exit status: 0 when every file succeeded, 1 when any failed, 2 for wrong usage.\n");
}

QString TAttrCommand::RecordJson(const QString& file, const TImageToDraw& record) {
  const TPhotoAttributes a = record.Attributes();
  const TImageToDraw::TLoadFailure failure = record.LoadFailure();
  QJsonArray actors;
  for (const QString& actor : ActorList::Split(a.Actors)) actors.append(actor);
  QJsonArray redEyes;
  if (a.RedEyes)
    for (const auto& r : *a.RedEyes) redEyes.append(QJsonArray{r->X, r->Y, r->Radius, r->Tolerance});
  const TGPRect& roi = a.ROI;
  const TGPRect picture = record.PictureRect();
  return QStringLiteral("{\"file\":%1,\"canSave\":%2,\"error\":%3,\"reason\":%4,\"hasMarker\":%5,\"source\":%6,"
                        "\"name\":%7,\"description\":%8,\"dateTime\":%9,\"location\":%10,\"actors\":%11,"
                        "\"rotation\":%12,\"roi\":%13,\"redEyes\":%14,\"width\":%15,\"height\":%16,\"storage\":%17}")
      .arg(JsonString(file), JsonBool(record.Saveable()), JsonString(failure.Message), JsonString(failure.Reason),
           JsonBool(a.HasMarker), JsonString(SourceText(a.Source)), JsonString(a.Name), JsonString(a.Description),
           JsonString(DateTimeUtil::ToIsoText(a.DateTime)))
      .arg(JsonString(a.Location))
      .arg(JsonArray(actors))
      .arg(a.Rotation)
      .arg(JsonArray(QJsonArray{roi.X, roi.Y, roi.Width, roi.Height}), JsonArray(redEyes))
      .arg(picture.Width)
      .arg(picture.Height)
      .arg(JsonString(record.KeepsAttributesInFile() ? QStringLiteral("file") : QStringLiteral("sidecar")));
}

int TAttrCommand::Show(const QStringList& files, QTextStream& out) {
  int result = ExitOk;
  for (const QString& file : files) {
    TImageToDraw record(file);
    record.LoadAttributes();
    if (!record.LoadFailure().Message.isEmpty()) result = ExitFailed;
    out << RecordJson(file, record) << '\n';
    out.flush();
  }
  return result;
}

int TAttrCommand::Set(const QStringList& args, QTextStream& err) {
  const QString file = args.first();
  TChanges changes;
  const QString usageError = ParseChanges(args.mid(1), changes);
  if (!usageError.isEmpty()) {
    err << "zelvane-attr: " << usageError << "\n\n" << Usage();
    return ExitUsage;
  }
  TImageToDraw record(file);
  record.LoadAttributes();
  if (const TImageToDraw::TLoadFailure failure = record.LoadFailure(); !failure.Message.isEmpty()) {
    err << "zelvane-attr: " << file << ": " << OneLine(failure.Message, failure.Reason) << '\n';
    return ExitFailed;
  }
  if (!record.Saveable()) {
    err << "zelvane-attr: " << file << ": cannot be saved (" << record.CannotSaveReason() << ")\n";
    return ExitFailed;
  }
  ApplyChanges(changes, record);
  try {
    record.Save(changes.Scope);
  } catch (const EZelvaneError& e) {
    err << "zelvane-attr: " << file << ": " << OneLine(e.Message(), {}) << '\n';
    return ExitFailed;
  }
  return ExitOk;
}

int TAttrCommand::Run(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
    out << Usage();
    return ExitOk;
  }
  const QString command = args.value(0);
  if (command == QLatin1String("show") && args.size() >= 2) return Show(args.mid(1), out);
  if (command == QLatin1String("set") && args.size() >= 2 && !args[1].startsWith(QLatin1String("--")))
    return Set(args.mid(1), err);
  err << Usage();
  return ExitUsage;
}
