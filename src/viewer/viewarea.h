// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QSize>

// How the full-screen viewer sizes a photo.
enum class TSizeMode { ZoomFit, FullSize, ROI };

// Where the full-screen viewer puts a photo, in device pixels.
namespace ViewArea {

// The target rectangle for a photo of the given size (in its current
// orientation) in a window of the given size. Full size: one photo pixel per
// device pixel, centred (negative origin when larger than the window; the
// halves truncate toward zero). The other modes, and a photo whose size is
// unknown (it failed to load: its message needs room), take the whole window.
[[nodiscard]] TGPRect Compute(TSizeMode mode, QSize photo, QSize window);

// Where a photo that could not be read shows its message: a square box in
// the middle third of the window (as a thumbnail's box sits in its cell).
[[nodiscard]] TGPRect ErrorBox(QSize window);

// Pans the area by (dx, dy) in each direction where it is larger than the
// window, never so far that the window shows past the photo's edge; a
// direction in which the photo fits does not move.
[[nodiscard]] TGPRect Move(TGPRect area, int dx, int dy, QSize window);

// Whether a dragged zoom rectangle is large enough to zoom to (4 × 4 at least).
[[nodiscard]] inline bool IsZoomRect(const TGPRect& r) { return r.Width >= 4 && r.Height >= 4; }

}  // namespace ViewArea
