// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobqueue.h"
#include "progressform.h"
#include "testsupport.h"
#include "zelvaneerror.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(ProgressForm, JobsStepItAndTheLastStepClosesItWithOk) {
  TProgressForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Zelvane - Progress"));
  form.SetMaximum(5);
  TJobQueue queue(1, QThread::LowPriority);
  // A failing job counts as done too, so the window closes by itself.
  queue.OnJobError = [&](const QString&) {
    form.Step(QStringLiteral("failed"));
    return TJobErrorAnswer::GoOn;
  };
  for (int i = 0; i < 5; ++i)
    queue.Add([&form, i](TJobThread& worker) {
      if (i == 2) throw EZelvaneError(QStringLiteral("Could not save image: x"));
      worker.SyncCall([&form, i] { form.Step(QStringLiteral("photo%1.jpg").arg(i)); });
    });
  QTimer::singleShot(10000, &form, &QDialog::reject);  // never hang the suite
  EXPECT_EQ(form.exec(), int(QDialog::Accepted));
  EXPECT_EQ(form.Position(), 5);
  EXPECT_EQ(form.LabelText(), QStringLiteral("photo4.jpg"));
}

TEST(ProgressForm, CancelClosesItAndTheOwnerDropsTheRest) {
  TProgressForm form;
  form.SetMaximum(100);
  std::atomic<int> ran{0};
  TJobQueue queue(1, QThread::LowPriority);
  for (int i = 0; i < 100; ++i)
    queue.Add([&](TJobThread& worker) {
      ++ran;
      QThread::msleep(2);
      worker.SyncCall([&] {
        form.Step(QString());
        if (form.Position() == 3) form.reject();  // the user's Cancel
      });
    });
  QTimer::singleShot(10000, &form, &QDialog::accept);
  EXPECT_EQ(form.exec(), int(QDialog::Rejected));
  queue.DiscardPending();
  EXPECT_LT(ran.load(), 100);
}
