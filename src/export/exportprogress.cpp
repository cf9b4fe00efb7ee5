// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportprogress.h"

#include "exportrun.h"
#include "progressform.h"

#include <QMessageBox>
#include <QTimer>

namespace {

class TWindowReport : public IExportReport {
public:
  explicit TWindowReport(TProgressForm& progress) : FProgress(progress) {}
  void Step(const QString& label) override { FProgress.Step(label); }
  bool Error(const QString& message) override {
    const auto answer = QMessageBox::critical(&FProgress, QStringLiteral("Zelvane"), message,
                                              QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) return true;
    FProgress.accept();
    return false;
  }
  void Finished() override {
    if (FProgress.isVisible()) FProgress.accept();
  }

private:
  TProgressForm& FProgress;
};

}  // namespace

namespace ExportProgress {

bool Run(QWidget* parent, const TExportPlan& plan, const TExportOptions& options) {
  TProgressForm progress(parent);
  TWindowReport report(progress);
  TExportRun run(plan, options, report);
  QString error;
  if (!run.Prepare(error)) {
    QMessageBox::critical(parent, QStringLiteral("Zelvane"), error);
    return false;
  }
  progress.SetMaximum(run.JobCount());
  // Started once the window runs, so that no report comes before it shows.
  QTimer::singleShot(0, &progress, [&run] { run.Start(); });
  const bool ok = progress.exec() == QDialog::Accepted;
  run.Cancel();
  return ok;
}

}  // namespace ExportProgress
