// SPDX-License-Identifier: GPL-3.0-or-later
#include "printcommand.h"
#include "metadatalibrary.h"
#include "runtimefolder.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
  // Printing to a PDF needs fonts, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  RuntimeFolder::Prepare();  // no warning from Qt about it on standard error
  QGuiApplication app(argc, argv);
  MetadataLibrary::Initialize();  // the XMP parser and namespaces, before any worker reads a photo
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int result = TPrintCommand::Run(app.arguments().mid(1), out, err);
  out.flush();
  err.flush();
  return result;
}
