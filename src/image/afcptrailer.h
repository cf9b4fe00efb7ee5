// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The AFCP trailer ("AXS File Concatenation Protocol") that some Windows
// programs append to a JPEG file to hold IPTC data: a header and directory
// after the picture, and a 12-byte footer at the very end pointing back at
// the header. Its offsets count from the start of the file, so every byte a
// save adds or removes before it moves them.
namespace AfcpTrailer {

enum TResult {
  Kept,      // no trailer, one that was already broken, or nothing moved: left as it is
  Moved,     // its offsets now follow the bytes it moved by
  Unmovable  // it points into what changed: it cannot be kept valid
};

// before: the file as it was; after: the new file, whose tail (the trailer
// among it) is before's moved by after.size() - before.size() bytes. Mends
// the trailer in after.
TResult Follow(const QByteArray& before, QByteArray& after);

// Whether the file ends in an AFCP trailer whose footer and directory point
// where they should.
[[nodiscard]] bool IsValid(const QByteArray& file);

}  // namespace AfcpTrailer
