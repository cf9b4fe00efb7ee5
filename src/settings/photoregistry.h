// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photosettings.h"

#include <QString>
#include <memory>

class QSettings;

// The settings store: the only code that reads or writes the per-user
// settings file (an INI file, organisation "VornSoftware", application
// "Zelvane", in the user's configuration folder). One short-lived instance
// per load or save. Reading never fails: a missing or unreadable value gives
// its default. Writing goes through a temporary file that replaces the old
// one in one step, so an interrupted write never leaves it truncated; a
// failed write throws EZelvaneError.
class TPhotoRegistry {
public:
  // fileName redirects the store (tests); empty means the user's settings file.
  explicit TPhotoRegistry(const QString& fileName = QString());
  ~TPhotoRegistry();
  TPhotoRegistry(const TPhotoRegistry&) = delete;
  TPhotoRegistry& operator=(const TPhotoRegistry&) = delete;

  // Fills the record and the process-wide values.
  void LoadSettings(TPhotoSettings& settings, TProcessSettings& process);
  void SaveSettings(const TPhotoSettings& settings, const TProcessSettings& process);

  [[nodiscard]] QString ReadStringDefault(const QString& name, const QString& defaultValue) const;
  [[nodiscard]] int ReadIntegerDefault(const QString& name, int defaultValue) const;

  // The folder of the running program, with a trailing "/".
  [[nodiscard]] static QString ProgramFolder();
  [[nodiscard]] QString FileName() const;

private:
  std::unique_ptr<QSettings> FSettings;
};
