// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the full-screen viewer keeps in the settings: the caption lines it
// shows ("ShowOnViewer": the codes N, D, L, T, each followed by ";") and the
// slide show ("SlideShow": seconds ";" repeat, 3;1 by default).
//
// A hand-edited value never stops the viewer from opening: a missing or bad
// field takes its default, seconds are held within 1 to 10, and any repeat
// flag but 0 means repeat.
struct TViewerSettings {
  static constexpr int MinSeconds = 1;
  static constexpr int MaxSeconds = 10;

  bool ShowName = false;
  bool ShowDescription = false;
  bool ShowLocation = false;
  bool ShowDateTime = false;
  int Seconds = 3;
  bool RepeatShow = true;

  [[nodiscard]] static TViewerSettings FromStrings(const QString& showOnViewer, const QString& slideShow);
  [[nodiscard]] QString ShowOnViewer() const;  // in the order N, D, L, T; empty when none
  [[nodiscard]] QString SlideShow() const;     // "3;1"
};
