// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs of the settings files (print layouts, card designs): the
// window's title, one name filter and the suffix a typed name gets.
namespace FileChoice {

// An existing file to load; empty when cancelled. folder, when given, is
// where the dialog starts (the folder last used for this kind of file) and
// becomes the chosen file's folder.
[[nodiscard]] QString Load(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                           const QString& select = QString(), QString* folder = nullptr);
// A file to save to, asking before an existing one is replaced; empty when
// cancelled.
[[nodiscard]] QString Save(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                           const QString& select = QString(), QString* folder = nullptr);

// After a load: the values of the file that were replaced by defaults or
// clamped ("Some settings of %1 were corrected:" and one line each); nothing
// when notes is empty.
void ShowCorrections(QWidget* parent, const QString& path, const QStringList& notes);

}  // namespace FileChoice
