// SPDX-License-Identifier: GPL-3.0-or-later
#include "photoregistry.h"

#include "zelvaneerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace {

// The seven window placements, the last print layout and the folders of
// the settings files, in the order they are read and written.
const std::pair<const char*, QString TProcessSettings::*> Remembered[] = {
    {"MainForm", &TProcessSettings::MainForm},       {"EditForm", &TProcessSettings::EditForm},
    {"PrintForm", &TProcessSettings::PrintForm},     {"CardsForm", &TProcessSettings::CardsForm},
    {"ExportForm", &TProcessSettings::ExportForm},   {"FindForm", &TProcessSettings::FindForm},
    {"BorderForm", &TProcessSettings::BorderForm},   {"PrintLayout", &TProcessSettings::PrintLayout},
    {"LayoutFolder", &TProcessSettings::LayoutFolder}, {"CardFolder", &TProcessSettings::CardFolder}};

}  // namespace

TProcessSettings& ProcessSettings() {
  static TProcessSettings settings;
  return settings;
}

TPhotoRegistry::TPhotoRegistry(const QString& fileName)
    : FSettings(fileName.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QStringLiteral("VornSoftware"), QStringLiteral("Zelvane"))
                    : std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {
  // Written through a temporary file renamed over the old one.
  FSettings->setAtomicSyncRequired(true);
}

TPhotoRegistry::~TPhotoRegistry() = default;

QString TPhotoRegistry::FileName() const {
  return FSettings->fileName();
}

QString TPhotoRegistry::ProgramFolder() {
  QString folder = QCoreApplication::applicationDirPath();
  if (folder.isEmpty()) folder = QDir::currentPath();
  return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString TPhotoRegistry::ReadStringDefault(const QString& name, const QString& defaultValue) const {
  const QVariant value = FSettings->value(name);
  // An INI line with an unquoted comma reads as a list: not a string value.
  if (!value.isValid() || value.typeId() != QMetaType::QString) return defaultValue;
  return value.toString();
}

int TPhotoRegistry::ReadIntegerDefault(const QString& name, int defaultValue) const {
  const QVariant value = FSettings->value(name);
  if (value.typeId() == QMetaType::Int) return value.toInt();  // written in this run
  if (!value.isValid() || value.typeId() != QMetaType::QString) return defaultValue;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? number : defaultValue;
}

void TPhotoRegistry::LoadSettings(TPhotoSettings& settings, TProcessSettings& process) {
  const QString program = ProgramFolder();
  const QString current = QDir::currentPath();
  settings.Actors = ReadStringDefault(QStringLiteral("Actors"),
                                      QCoreApplication::translate("TPhotoRegistry", "No actors;"));
  settings.CurrentDirectory = ReadStringDefault(QStringLiteral("CurrentDirectory"), current);
  settings.ExportDirectory = ReadStringDefault(QStringLiteral("ExportDirectory"), current);
  process.Templates = ReadStringDefault(QStringLiteral("Templates"), program + QStringLiteral("Templates/"));
  settings.ShowOnViewer = ReadStringDefault(QStringLiteral("ShowOnViewer"), QStringLiteral("N;"));
  settings.SlideShow = ReadStringDefault(QStringLiteral("SlideShow"), QStringLiteral("3;1;"));
  process.BGPatterns = ReadStringDefault(QStringLiteral("BGPatterns"), program + QStringLiteral("BackGround/"));
  process.Ornaments = ReadStringDefault(QStringLiteral("Ornaments"), program + QStringLiteral("Ornament/"));
  settings.ListSort = ReadIntegerDefault(QStringLiteral("ListSort"), 0);
  settings.WriteStandardMetadata = ReadIntegerDefault(QStringLiteral("WriteStandardMetadata"), 1) != 0 ? 1 : 0;
  settings.ShowHidden = ReadIntegerDefault(QStringLiteral("ShowHidden"), 0) != 0 ? 1 : 0;
  for (const auto& [name, field] : Remembered) process.*field = ReadStringDefault(QLatin1String(name), QString());
}

void TPhotoRegistry::SaveSettings(const TPhotoSettings& settings, const TProcessSettings& process) {
  FSettings->setValue(QStringLiteral("Actors"), settings.Actors);
  FSettings->setValue(QStringLiteral("CurrentDirectory"), settings.CurrentDirectory);
  FSettings->setValue(QStringLiteral("ExportDirectory"), settings.ExportDirectory);
  FSettings->setValue(QStringLiteral("ShowOnViewer"), settings.ShowOnViewer);
  FSettings->setValue(QStringLiteral("SlideShow"), settings.SlideShow);
  FSettings->setValue(QStringLiteral("ListSort"), settings.ListSort);
  FSettings->setValue(QStringLiteral("WriteStandardMetadata"), settings.WriteStandardMetadata);
  FSettings->setValue(QStringLiteral("ShowHidden"), settings.ShowHidden);
  for (const auto& [name, field] : Remembered) FSettings->setValue(QLatin1String(name), process.*field);
  FSettings->sync();
  if (FSettings->status() != QSettings::NoError)
    throw EZelvaneError(QCoreApplication::translate("TPhotoRegistry", "Could not save the settings to %1")
                            .arg(FSettings->fileName()));
}
