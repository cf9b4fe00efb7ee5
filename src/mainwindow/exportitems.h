// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include <QList>
#include <QString>

class TImageToDraw;

// One photo chosen for an export folder. The record belongs to the thumbnail
// cache, which keeps it for as long as the main window lives.
struct TExportItem {
  QString Caption;
  TPhotoRecord Record;
};

// What an export folder holds: its path relative to the export destination
// ("Photos/Holiday/Day 1") and its photos in the user's order.
struct TExportItemArray {
  QString Path;
  QList<TExportItem> Items;
};
