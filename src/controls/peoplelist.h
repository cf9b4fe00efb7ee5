// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QListWidget;
class QListWidgetItem;

// The people lists of the edit and find windows (a check box per person).
namespace PeopleList {

// Tall enough for at least this many people, whatever the window's size.
void ShowRows(QListWidget* list, int rows = 5);
// Brings a person just added (or ticked) into sight and makes it current.
void Reveal(QListWidget* list, QListWidgetItem* item);

}  // namespace PeopleList
