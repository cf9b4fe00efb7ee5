// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopopener.h"
#include "dialogsupport.h"
#include "testsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The text of the warning the opener shows within a few seconds, answered
// with OK; empty when none comes.
QString WarningAfterOpening(const QUrl& url) {
  QWidget window;
  window.show();
  QString shown;
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      Answer(box, QMessageBox::Ok);
    }
  });
  poll.start();
  DesktopOpener::Open(&window, url);
  (void)WaitFor([&] { return !shown.isEmpty(); }, 1500);  // none may come
  return shown;
}

}  // namespace

TEST(DesktopOpener, AnOpenerThatFailsOrIsMissingIsReportedWithThePath) {
  const QUrl page = QUrl::fromLocalFile(QStringLiteral("/some/album/index.html"));
  DesktopOpener::SetProgram(QStringLiteral("false"));  // exits with status 1, as xdg-open without a browser
  EXPECT_EQ(WarningAfterOpening(page), QStringLiteral("No program could be started to open /some/album/index.html."));
  DesktopOpener::SetProgram(QStringLiteral("/nonexistent/opener"));
  EXPECT_EQ(WarningAfterOpening(page), DesktopOpener::FailureText(page));
  DesktopOpener::SetProgram(QStringLiteral("true"));  // opened: no word
  EXPECT_EQ(WarningAfterOpening(page), QString());
  DesktopOpener::SetProgram(QStringLiteral("xdg-open"));
}
