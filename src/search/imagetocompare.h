// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class TImageToDraw;
struct TSearchAttributes;

// One candidate of a search run: a new photo record for the file, the
// shared criteria and the outcome. Run reads the attributes from the file's
// head (no pixels are decoded) and applies the rule. A file that can no
// longer be found is no match (Vanished); one that exists but cannot be
// opened is matched on the attributes its record was created with.
class TImageToCompare {
public:
  TImageToCompare(const QString& fileName, const TSearchAttributes& criteria);
  ~TImageToCompare();

  // Decodes the whole picture instead of reading only the head (the
  // benchmark's reference).
  bool FullDecode = false;

  void Run();

  [[nodiscard]] const QString& FileName() const { return FFileName; }
  [[nodiscard]] bool Match() const { return FMatch; }
  [[nodiscard]] bool Vanished() const { return FVanished; }
  // The record's load error ("Error N"), empty when it read well.
  [[nodiscard]] const QString& ErrorMessage() const { return FError; }

private:
  QString FFileName;
  const TSearchAttributes& FCriteria;
  bool FMatch = false;
  bool FVanished = false;
  QString FError;
};
