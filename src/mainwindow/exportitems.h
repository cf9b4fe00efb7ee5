// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class TImageToDraw;

// One photo chosen for an export folder. The record belongs to the thumbnail
// cache, which keeps it for as long as the main window lives.
struct TExportItem {
  QString Caption;
  TImageToDraw* Record = nullptr;
};

// What an export folder holds: its path relative to the export destination
// ("Photos/Holiday/Day 1") and its photos in the user's order.
struct TExportItemArray {
  QString Path;
  QList<TExportItem> Items;
};
