// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdftarget.h"

#include "filereplacer.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

TPdfTarget::TPdfTarget(QPrinter& printer) : FPrinter(printer) {
  FPdf = printer.outputFormat() == QPrinter::PdfFormat;
  if (!FPdf) return;
  FTarget = printer.outputFileName();
  QTemporaryFile temporary(FTarget + QStringLiteral(".XXXXXX"));
  temporary.setAutoRemove(false);
  if (!temporary.open()) {
    FError = temporary.errorString();
    return;
  }
  FPart = temporary.fileName();
  printer.setOutputFileName(FPart);
}

TPdfTarget::~TPdfTarget() {
  if (!FPdf) return;
  FPrinter.setOutputFileName(FTarget);
  if (!FCommitted && !FPart.isEmpty()) QFile::remove(FPart);
}

bool TPdfTarget::Ok(QString& reason) const {
  if (FError.isEmpty()) return true;
  reason = FError;
  return false;
}

bool TPdfTarget::Commit(QString& reason) {
  if (!FPdf) return true;
  if (std::rename(QFile::encodeName(FPart).constData(), QFile::encodeName(FTarget).constData()) != 0) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  FCommitted = true;
  ::chmod(QFile::encodeName(FTarget).constData(), TFileReplacer::NewFileMode());
  return true;
}
