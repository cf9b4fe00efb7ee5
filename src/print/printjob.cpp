// SPDX-License-Identifier: GPL-3.0-or-later
#include "printjob.h"

#include "cardtext.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "printergeometry.h"
#include "printlayout.h"
#include "pdftarget.h"
#include "printpage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {

QString TrPrint(const char* text) {
  return QCoreApplication::translate("TPrintJob", text);
}

}  // namespace

TPrintJob::TResult TPrintJob::Run(QPrinter& printer, const TPrintLayout& layout, const QList<TPhotoRecord>& records,
                                  int fromPage, int toPage, QString& reason) {
  FImages = FPages = 0;
  const int pages = PrintPage::PageCount(layout, int(records.size()));
  fromPage = std::max(fromPage, 1);
  toPage = std::min(toPage, pages);
  if (fromPage > toPage) {
    reason = TrPrint(QT_TRANSLATE_NOOP("TPrintJob", "there is nothing to print"));
    return Failed;
  }
  // A PDF goes to a file of its own first.
  TPdfTarget pdf(printer);
  if (!pdf.Ok(reason)) return Failed;
  const auto finish = [&](TResult result) {
    if (result == Printed && !pdf.Commit(reason)) result = Failed;
    return result;
  };

  const int perPage = std::max(1, layout.Rows * layout.Columns);
  const int first = (fromPage - 1) * perPage;
  const int end = std::min(int(records.size()), toPage * perPage);
  QPainter painter;
  if (!painter.begin(&printer)) {
    reason = TrPrint(QT_TRANSLATE_NOOP("TPrintJob", "the print job could not be started"));
    return finish(Failed);
  }
  const TPageGeometry geometry = TPageGeometry::Of(printer);
  const PrintPage::TPrinterPage printerPage = PrintPage::TPrinterPage::Of(layout, geometry, &printer);
  TCardText caption;
  PrintPage::SetUpCaption(caption, layout, printerPage);
  bool cancelled = false;
  for (int page = fromPage; page <= toPage && !cancelled; ++page) {
    if (page > fromPage && !printer.newPage()) {
      printer.abort();
      reason = TrPrint(QT_TRANSLATE_NOOP("TPrintJob", "a new page could not be started"));
      return finish(Failed);
    }
    const QList<TPhotoRecord> onPage = records.mid((page - 1) * perPage, perPage);
    for (const TPhotoRecord& record : onPage)
      if (record) record->LoadAttributes();  // the captions need them first
    PrintPage::Draw(painter, layout, geometry.PageRect(), printerPage, onPage, caption,
                    [&](int, TImageToDraw* record, const TGPRect& rect) {
                      if (cancelled) return;
                      TImageScaled view(record);
                      view.ReducedDecode = !FullDecode;
                      PrintPage::PlacePhoto(view, layout, rect);
                      bool drawn = true;
                      if (FullDecode) {
                        view.DrawDirect(painter);
                        drawn = view.ImageToDraw->LoadFailure().Message.isEmpty();
                      } else {
                        drawn = PrintPage::DrawOnPrinter(view, painter, printer.resolution());
                      }
                      if (!drawn && OnPhotoFailed) OnPhotoFailed(record);
                      ++FImages;
                      if (OnProgress && !OnProgress(FImages, end - first)) cancelled = true;
                    });
    ++FPages;
  }
  if (cancelled) {
    printer.abort();
    painter.end();
    return finish(Cancelled);
  }
  if (!painter.end()) {
    reason = TrPrint(QT_TRANSLATE_NOOP("TPrintJob", "the print job could not be finished"));
    return finish(Failed);
  }
  return finish(Printed);
}
