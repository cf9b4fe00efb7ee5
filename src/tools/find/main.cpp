// SPDX-License-Identifier: GPL-3.0-or-later
#include "findcommand.h"
#include "metadatalibrary.h"
#include "runtimefolder.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  RuntimeFolder::Prepare();  // no warning from Qt about it on standard error
  QCoreApplication app(argc, argv);
  MetadataLibrary::Initialize();  // the XMP parser and namespaces, before any worker reads a photo
  QTextStream in(stdin);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int result = TFindCommand::Run(app.arguments().mid(1), in, out, err);
  out.flush();
  err.flush();
  return result;
}
