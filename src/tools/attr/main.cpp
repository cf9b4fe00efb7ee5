// SPDX-License-Identifier: GPL-3.0-or-later
#include "attrcommand.h"
#include "metadatalibrary.h"
#include "runtimefolder.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  RuntimeFolder::Prepare();  // no warning from Qt about it on standard error
  QCoreApplication app(argc, argv);
  MetadataLibrary::Initialize();  // the XMP parser and namespaces, before any worker reads a photo
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int result = TAttrCommand::Run(app.arguments().mid(1), out, err);
  out.flush();
  err.flush();
  return result;
}
