// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportprogress.h"

#include "exportrun.h"
#include "progressform.h"

#include <QCoreApplication>
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

QString ReplaceQuestion(int count, const QString& destination) {
  return count == 1 ? QCoreApplication::translate("ExportProgress", "1 file in %1 will be replaced. Continue?").arg(destination)
                    : QCoreApplication::translate("ExportProgress", "%1 files in %2 will be replaced. Continue?")
                          .arg(count)
                          .arg(destination);
}

TOutcome Run(QWidget* parent, const TExportPlan& plan, const TExportOptions& options) {
  TOutcome outcome;
  TProgressForm progress(parent);
  TWindowReport report(progress);
  TExportRun run(plan, options, report);
  QString error;
  if (!run.Prepare(error)) {
    QMessageBox::critical(parent, QStringLiteral("Zelvane"), error);
    return outcome;
  }
  if (const qsizetype existing = run.ExistingOutputs().size(); existing > 0) {
    const auto answer = QMessageBox::question(parent, QStringLiteral("Zelvane"),
                                              ReplaceQuestion(int(existing), options.Destination),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return outcome;
  }
  outcome.Started = true;
  progress.SetMaximum(run.JobCount());
  // Started once the window runs, so that no report comes before it shows.
  QTimer::singleShot(0, &progress, [&run] { run.Start(); });
  outcome.Completed = progress.exec() == QDialog::Accepted;
  run.Cancel();
  outcome.PhotosWritten = run.PhotosWritten();
  outcome.Errors = run.Errors();
  return outcome;
}

}  // namespace ExportProgress
