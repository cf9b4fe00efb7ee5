// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class TStagedFile;

// A PDF printer's output goes to a temporary file beside the file asked for
// and takes its place only when the job is done (Commit), so a failed or
// cancelled job leaves any earlier file as it was. For other printers it does
// nothing.
class TPdfTarget {
public:
  explicit TPdfTarget(QPrinter& printer);
  // Removes the temporary file unless committed, and gives the printer its
  // own file name back.
  ~TPdfTarget();
  TPdfTarget(const TPdfTarget&) = delete;
  TPdfTarget& operator=(const TPdfTarget&) = delete;

  // False (with the reason) when the temporary file could not be made.
  [[nodiscard]] bool Ok(QString& reason) const;
  // Renames the finished file into place with a new file's usual mode.
  [[nodiscard]] bool Commit(QString& reason);

private:
  QPrinter& FPrinter;
  QString FTarget;
  std::unique_ptr<TStagedFile> FStaged;  // a PDF printer's only
};
