// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry.h"
#include "printergeometry.h"

#include <QSize>
#include <vector>

class QPainter;
class TCardBack;
class TCardFront;

// The numbers are the card settings file's.
enum class TCardType { Fold = 0, Post = 1 };
// How a fold card's front and back lie on the sheet: side by side, one
// above the other, or in four parts (only with one card on the page).
enum class TFoldDirection { SideBySide = 0, OneAboveTheOther = 1, FourParts = 2 };
enum class TPageOrientation { Portrait = 0, Landscape = 1 };

// The page settings of a card design.
struct TCardGeneral {
  TCardType Type = TCardType::Post;
  int Rows = 2;
  int Columns = 2;
  int Cards = 1;      // fold cards per page, 1..4
  TFoldDirection Direction = TFoldDirection::FourParts;
  bool OneSide = true;
  bool Center = true;
  bool BestPosition = true;
  bool UseROI = true;
  bool GridLines = true;
  TPageOrientation Orientation = TPageOrientation::Landscape;
  friend bool operator==(const TCardGeneral&, const TCardGeneral&) = default;
};

// Which sides a page shows: for postcards the side in every cell, for fold
// cards printed one side at a time the side drawn (the other's cells stay
// empty); fold cards with both sides on one sheet draw both whatever it is.
enum class TCardSide { Front, Back };

// How card sides fill a page: postcards repeat one side in every cell of
// rows × columns; fold cards put each card's back and front side by side so
// that the sheet folds into a card (backs first, turned 180° for directions
// 1 and 2).
namespace CardPage {

// The grid: postcards rows × columns; fold cards n × 2 (direction 0),
// 2 × n (1) or 2 × 2 (2). Width is columns, height rows.
[[nodiscard]] QSize Grid(const TCardGeneral& general);
// Whether the window offers the choice of which sheet side to print:
// always for postcards, and for fold cards printed one side at a time.
[[nodiscard]] bool PrintChoiceVisible(const TCardGeneral& general);
// Whether a fold card is printed on one sheet side (direction 2 or "front
// and back on one side"); postcards never are.
[[nodiscard]] bool BothSidesOnOnePage(const TCardGeneral& general);
// The cards' cells on the printer's paper (whole page, unprintable margins,
// symmetric when centring), in printer pixels.
[[nodiscard]] std::vector<TGPRect> PrinterCells(const TCardGeneral& general, const TPageGeometry& geometry);

// Draws a page: pageRect is the paper on the surface; side as above.
void Compose(QPainter& painter, const TCardGeneral& general, TCardFront& front, TCardBack& back,
             const TGPRect& pageRect, const TPageGeometry& geometry, TCardSide side, bool highQuality);

}  // namespace CardPage
