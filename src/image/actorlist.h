// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Lists of people as stored in photos, settings and search criteria: every
// name followed by ";" (Anna and Bob are "Anna;Bob;").
namespace ActorList {

[[nodiscard]] QString Join(const QStringList& names);

// Every ";" ends a name; a trailing ";" adds no empty name, but an empty name
// between two separators is kept, as is the text after the last ";". Blanks
// around a name are not part of it ("Anna; Bob;" names Anna and Bob).
[[nodiscard]] QStringList Split(const QString& actors);
// The names without the empty ones: the people lists of the windows, search
// criteria and settings.
[[nodiscard]] QStringList Names(const QString& actors);

}  // namespace ActorList
