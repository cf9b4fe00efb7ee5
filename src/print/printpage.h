// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "geometry.h"
#include "printergeometry.h"

#include <QImage>
#include <QList>
#include <functional>
#include <vector>

class QPaintDevice;
class QPainter;
class TCardText;
class TImageScaled;
class TImageToDraw;
struct TPrintLayout;

// One page of a print layout, drawn the same way on the preview, on the
// printer and by zelvane-print: a grid of cells, each with a photo and an
// optional caption at its bottom. Everything is computed in printer pixels
// first and then mapped onto the surface, so the preview shows exactly the
// proportions that will be printed, the caption's size included.
namespace PrintPage {

// The printer: its page geometry, the cells on the paper (inside the
// unprintable margins, symmetric when the layout centres its photos) and the
// device that text is measured on.
struct TPrinterPage {
  TPageGeometry Geometry;
  std::vector<TGPRect> Cells;
  const QPaintDevice* Device = nullptr;

  [[nodiscard]] static TPrinterPage Of(const TPrintLayout& layout, const TPageGeometry& geometry,
                                       const QPaintDevice* device);
};

// The caption text block of a layout: "Arial" 8 points black by default,
// centred lines at the bottom of the first printer cell shrunk by a fiftieth.
void SetUpCaption(TCardText& caption, const TPrintLayout& layout, const TPrinterPage& printer);

// Draws the caption of one photo into its cell; the distance from the cell's
// top to the caption's top, or 0 when nothing was drawn.
int DrawCaption(QPainter& painter, TCardText& caption, const TPrintLayout& layout, const TGPRect& targetCell,
                const TGPRect& printerCell, const TPrinterPage& printer, const TImageToDraw& record);

// Gives a photo's view its rectangle and the layout's choices (best position,
// region of interest).
void PlacePhoto(TImageScaled& view, const TPrintLayout& layout, const TGPRect& rect);

// Draws a page: the captions, then each photo through drawPhoto (which gets
// the page position, the record and the rectangle for it), then the grid.
// pageRect: the paper on the surface.
using TDrawPhoto = std::function<void(int position, TImageToDraw* record, const TGPRect& rect)>;
void Draw(QPainter& painter, const TPrintLayout& layout, const TGPRect& pageRect, const TPrinterPage& printer,
          const QList<TPhotoRecord>& records, TCardText& caption, const TDrawPhoto& drawPhoto);

// The picture of a placed, initialised view for a printer: decoded at the
// smallest DCT scale that covers its drawing rectangle at min(dpi, 300)
// pixels per inch and turned at that size. The view keeps its rectangle and
// no pixels of its own; null when the photo cannot be read.
[[nodiscard]] QImage PrinterBitmap(TImageScaled& view, int dpi);
// Draws such a picture smoothly scaled into drawRect.
void DrawBitmap(QPainter& painter, const TGPRect& drawRect, const QImage& bitmap);

// Draws a placed view on a printer through PrinterBitmap; a photo that cannot
// be read is drawn as the red box with its message. False for such a photo.
bool DrawOnPrinter(TImageScaled& view, QPainter& painter, int dpi);

// The page count of a layout for a number of photos.
[[nodiscard]] int PageCount(const TPrintLayout& layout, int images);

}  // namespace PrintPage
