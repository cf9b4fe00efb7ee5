// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdftarget.h"

#include "stagedfile.h"

#include <QPrinter>

TPdfTarget::TPdfTarget(QPrinter& printer) : FPrinter(printer) {
  if (printer.outputFormat() != QPrinter::PdfFormat) return;
  FTarget = printer.outputFileName();
  FStaged = std::make_unique<TStagedFile>(FTarget);
  // The printer writes the temporary file by its name; the staged file's own
  // handle flushes it before it takes the target's place.
  if (FStaged->IsOpen()) printer.setOutputFileName(FStaged->TemporaryPath());
}

TPdfTarget::~TPdfTarget() {
  if (FStaged) FPrinter.setOutputFileName(FTarget);
}

bool TPdfTarget::Ok(QString& reason) const {
  if (!FStaged || FStaged->IsOpen()) return true;
  reason = FStaged->Reason();
  return false;
}

bool TPdfTarget::Commit(QString& reason) {
  if (!FStaged) return true;
  if (FStaged->Commit(TStagedFile::NewFileMode())) return true;
  reason = FStaged->Reason();
  return false;
}
