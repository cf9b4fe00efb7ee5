// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardpage.h"

#include "card.h"

#include <QPainter>

namespace CardPage {

QSize Grid(const TCardGeneral& g) {
  if (g.Type == TCardType::Post) return {g.Columns, g.Rows};
  switch (g.Direction) {
    case TFoldDirection::SideBySide: return {2, g.Cards};
    case TFoldDirection::OneAboveTheOther: return {g.Cards, 2};
    case TFoldDirection::FourParts: break;
  }
  return {2, 2};
}

bool PrintChoiceVisible(const TCardGeneral& g) {
  return g.Type == TCardType::Post || (g.Direction != TFoldDirection::FourParts && !g.OneSide);
}

bool BothSidesOnOnePage(const TCardGeneral& g) {
  return g.Type == TCardType::Fold && (g.Direction == TFoldDirection::FourParts || g.OneSide);
}

std::vector<TGPRect> PrinterCells(const TCardGeneral& g, const TPageGeometry& geometry) {
  const QSize grid = Grid(g);
  return geometry.Cells(grid.height(), grid.width(), g.Center);
}

void Compose(QPainter& painter, const TCardGeneral& g, TCardFront& front, TCardBack& back, const TGPRect& pageRect,
             const TPageGeometry& geometry, TCardSide side, bool highQuality) {
  if (geometry.Physical.isEmpty() || pageRect.IsEmpty()) return;
  const TMargins margins = geometry.UnprintableMargins(g.Center, pageRect);
  const QSize grid = Grid(g);
  const std::vector<TGPRect> cells = CalcCellRects(pageRect, margins, grid.height(), grid.width(), g.Center);
  const std::vector<TGPRect> printer = PrinterCells(g, geometry);
  const auto reference = [&](size_t k) { return k < printer.size() ? printer[k] : TGPRect{}; };

  if (g.Type == TCardType::Post) {
    TCard& card = side == TCardSide::Front ? static_cast<TCard&>(front) : static_cast<TCard&>(back);
    for (size_t k = 0; k < cells.size(); ++k) card.Draw(painter, cells[k], reference(k), highQuality);
  } else {
    const bool both = BothSidesOnOnePage(g);
    const int n = g.Direction == TFoldDirection::FourParts ? 1 : std::clamp(g.Cards, 1, 4);
    const auto backCell = [&](int i) {
      return size_t(g.Direction == TFoldDirection::SideBySide         ? 2 * i
                    : g.Direction == TFoldDirection::OneAboveTheOther ? i
                                                                      : 0);
    };
    const auto frontCell = [&](int i) {
      return size_t(g.Direction == TFoldDirection::SideBySide         ? 2 * i + 1
                    : g.Direction == TFoldDirection::OneAboveTheOther ? n + i
                                                                      : 3);
    };
    if (both || side == TCardSide::Back) {
      for (int i = 0; i < n; ++i) {
        const size_t k = backCell(i);
        if (k >= cells.size()) continue;
        if (g.Direction == TFoldDirection::SideBySide) {
          back.Draw(painter, cells[k], reference(k), highQuality);
          continue;
        }
        // Turned by 180° about the origin, at the cell's turned position, and
        // shrunk by the back's own background margin.
        const TGPRect c = cells[k];
        const TGPRect r = reference(k);
        const int b = back.BGMargin;
        const TGPRect target = DeflateRectBy({-c.X - c.Width, -c.Y - c.Height, c.Width, c.Height},
                                             c.Width * b / 100, c.Height * b / 100);
        const TGPRect ref = DeflateRectBy(r, r.Width * b / 100, r.Height * b / 100);
        painter.save();
        painter.rotate(180);
        back.Draw(painter, target, ref, highQuality);
        painter.restore();
      }
    }
    if (both || side == TCardSide::Front)
      for (int i = 0; i < n; ++i)
        if (const size_t k = frontCell(i); k < cells.size()) front.Draw(painter, cells[k], reference(k), highQuality);
  }
  if (g.GridLines) DrawGridLines(painter, pageRect, margins, grid.height(), grid.width(), g.Center);
}

}  // namespace CardPage
