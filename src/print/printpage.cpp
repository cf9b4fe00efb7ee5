// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpage.h"

#include "cardtext.h"
#include "datetime.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "printlayout.h"

#include <QPainter>
#include <cmath>

namespace PrintPage {

TPrinterPage TPrinterPage::Of(const TPrintLayout& layout, const TPageGeometry& geometry, const QPaintDevice* device) {
  TPrinterPage page;
  page.Geometry = geometry;
  page.Cells = geometry.Cells(layout.Rows, layout.Columns, layout.Center);
  page.Device = device;
  return page;
}

void SetUpCaption(TCardText& caption, const TPrintLayout& layout, const TPrinterPage& printer) {
  caption.SetFont(layout.Font());
  caption.Alignment = TTextAlignment::Centre;
  caption.YPosition = TVerticalPlace::Bottom;
  caption.Area = TPageGeometry::TextArea(printer.Cells);
  caption.NeedsMeasure = true;
}

int DrawCaption(QPainter& painter, TCardText& caption, const TPrintLayout& layout, const TGPRect& targetCell,
                const TGPRect& printerCell, const TPrinterPage& printer, const TImageToDraw& record) {
  QString name, date;
  const TPhotoAttributes attributes = record.Attributes();
  if (layout.TextMode == TPrintLayout::TTextMode::FileName) name = record.ShortName();
  if (layout.TextMode == TPrintLayout::TTextMode::Name) name = attributes.Name;
  if (layout.Date) date = DateTimeUtil::ToShortDateText(attributes.DateTime);
  const bool both = layout.Date && layout.TextMode != TPrintLayout::TTextMode::None;
  caption.ReferenceRect = printerCell;
  caption.TargetRect = targetCell;
  bool drawn = false;
  const auto draw = [&](const QString& text, THorizontalPlace xPosition) {
    caption.XPosition = xPosition;
    caption.Lines = QStringList{text};
    if (printer.Device) caption.Measure(*printer.Device);
    caption.Draw(painter);
    drawn = true;
  };
  // Name and date side by side: the name at the left, the date at the right.
  if (layout.Date) draw(date, both ? THorizontalPlace::RightEdge : THorizontalPlace::Centred);
  if (layout.TextMode != TPrintLayout::TTextMode::None && !name.isEmpty())
    draw(name, both ? THorizontalPlace::LeftEdge : THorizontalPlace::Centred);
  if (!drawn) return 0;
  const TGPRect r = caption.AreaOnTarget();
  return int(std::floor(r.Height * double(caption.Bounds.Y) / 100 + r.Y - targetCell.Y));
}

void PlacePhoto(TImageScaled& view, const TPrintLayout& layout, const TGPRect& rect) {
  view.SetAutoRotate(layout.BestPosition);
  view.SetUseROI(layout.UseROI);
  view.SetTargetRect(rect);
}

void Draw(QPainter& painter, const TPrintLayout& layout, const TGPRect& pageRect, const TPrinterPage& printer,
          const QList<TPhotoRecord>& records, TCardText& caption, const TDrawPhoto& drawPhoto) {
  if (printer.Geometry.Physical.isEmpty()) return;
  const TMargins margins = printer.Geometry.UnprintableMargins(layout.Center, pageRect);
  const std::vector<TGPRect> cells = CalcCellRects(pageRect, margins, layout.Rows, layout.Columns, layout.Center);
  for (int i = 0; i < records.size() && i < int(cells.size()); ++i) {
    if (!records[i]) continue;
    TGPRect cell = cells[size_t(i)];
    const TGPRect printerCell = size_t(i) < printer.Cells.size() ? printer.Cells[size_t(i)] : TGPRect{};
    const int captionTop = DrawCaption(painter, caption, layout, cell, printerCell, printer, *records[i]);
    if (captionTop != 0) cell.Height = captionTop;
    const TGPRect rect =
        DeflateRectBy(cell, layout.Margin * cell.Width / 100, layout.Margin * cell.Height / 100);
    drawPhoto(i, records[i].get(), rect);
  }
  if (layout.GridLines) DrawGridLines(painter, pageRect, margins, layout.Rows, layout.Columns, layout.Center);
}

QImage PrinterBitmap(TImageScaled& view, int dpi) {
  const TGPRect target = view.TargetRect;
  const double factor = dpi > 300 ? 300.0 / dpi : 1.0;
  if (factor < 1.0)
    view.SetTargetRect({0, 0, std::max(1, int(target.Width * factor)), std::max(1, int(target.Height * factor))});
  const QImage* bitmap = view.GetScaledBitmap();
  const QImage result = bitmap ? *bitmap : QImage();
  view.Bitmap = QImage();  // one photo's pixels at a time
  if (factor < 1.0) view.SetTargetRect(target);
  return result;
}

void DrawBitmap(QPainter& painter, const TGPRect& drawRect, const QImage& bitmap) {
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(drawRect.X, drawRect.Y, drawRect.Width, drawRect.Height), bitmap);
  painter.restore();
}

bool DrawOnPrinter(TImageScaled& view, QPainter& painter, int dpi) {
  view.EnsureInit();
  if (view.AutoRotate) view.FitOrientation();
  if (view.ImageToDraw->LoadFailure().Message.isEmpty()) {
    const TGPRect drawRect = view.DrawRect;
    if (const QImage bitmap = PrinterBitmap(view, dpi); !bitmap.isNull()) {
      DrawBitmap(painter, drawRect, bitmap);
      return true;
    }
  }
  if (!view.ImageToDraw->LoadFailure().Message.isEmpty()) view.Draw(painter);
  return false;
}

int PageCount(const TPrintLayout& layout, int images) {
  const int perPage = std::max(1, layout.Rows * layout.Columns);
  return images / perPage + (images % perPage ? 1 : 0);
}

}  // namespace PrintPage
