// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopopener.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QWidget>

namespace DesktopOpener {
namespace {

QString& Program() {
  static QString program = QStringLiteral("xdg-open");
  return program;
}

void Warn(const QPointer<QWidget>& parent, const QUrl& url) {
  QMessageBox::warning(parent, QStringLiteral("Zelvane"), FailureText(url));
}

}  // namespace

void SetProgram(const QString& program) {
  Program() = program;
}

QString FailureText(const QUrl& url) {
  return QCoreApplication::translate("DesktopOpener", "No program could be started to open %1.")
      .arg(url.isLocalFile() ? url.toLocalFile() : url.toString());
}

void Open(QWidget* parent, const QUrl& url) {
  // Not parented: a browser that xdg-open runs in the foreground may outlive
  // the window, and deleting a running QProcess would end it.
  auto* process = new QProcess;
  const QPointer<QWidget> window(parent);
  QObject::connect(process, &QProcess::finished, process, [process, window, url](int code, QProcess::ExitStatus status) {
    process->deleteLater();
    if (status != QProcess::NormalExit || code != 0) Warn(window, url);
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [process, window, url](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    process->deleteLater();
    Warn(window, url);
  });
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  process->start(Program(), {url.isLocalFile() ? url.toLocalFile() : url.toString()});
}

}  // namespace DesktopOpener
