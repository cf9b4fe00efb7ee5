// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardprint.h"

#include "cardfile.h"
#include "pdftarget.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace CardPrint {

int PageCount(const TCardGeneral& general) {
  return CardPage::BothSidesOnOnePage(general) ? 1 : 2;
}

void FitTexts(TCardDesign& design, QPrinter& printer) {
  const TPageGeometry geometry = TPageGeometry::Of(printer);
  const TGPRect area = TPageGeometry::TextArea(CardPage::PrinterCells(design.General, geometry));
  for (TCard* side : std::initializer_list<TCard*>{&design.Front, &design.Back})
    for (TCardText& text : side->Texts) {
      text.Area = area;
      text.Measure(printer);
    }
}

bool Print(QPrinter& printer, TCardDesign& design, int from, int to, QString& reason) {
  TPdfTarget pdf(printer);
  if (!pdf.Ok(reason)) return false;
  FitTexts(design, printer);
  const TPageGeometry geometry = TPageGeometry::Of(printer);
  QPainter painter;
  if (!painter.begin(&printer)) {
    reason = QCoreApplication::translate("CardPrint", "the print job could not be started");
    return false;
  }
  const bool onePage = PageCount(design.General) == 1;
  for (int page = from; page <= to; ++page) {
    if (page > from && !printer.newPage()) {
      printer.abort();
      reason = QCoreApplication::translate("CardPrint", "a new page could not be started");
      return false;
    }
    const TCardSide side = page == 1 ? TCardSide::Front : TCardSide::Back;
    CardPage::Compose(painter, design.General, design.Front, design.Back, geometry.PageRect(), geometry,
                      onePage ? TCardSide::Front : side, true);
  }
  if (!painter.end()) {
    reason = QCoreApplication::translate("CardPrint", "the print job could not be finished");
    return false;
  }
  return pdf.Commit(reason);
}

}  // namespace CardPrint
