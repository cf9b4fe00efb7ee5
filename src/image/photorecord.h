// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class TImageToDraw;

// A photo record as the lists and windows hold it: it lives as long as
// somebody uses it. One registry (the thumbnail cache) hands out one per path.
using TPhotoRecord = std::shared_ptr<TImageToDraw>;
