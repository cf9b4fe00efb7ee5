// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertyitem.h"

#include <QByteArray>
#include <vector>

// Puts a few items into IFD0 of a TIFF block (the EXIF block of a JPEG)
// without moving a single byte of what is there: the new IFD0 (the old
// entries plus the given items) goes after the existing data and the header
// points at it. Every other directory, the maker note and the embedded
// preview keep their offsets and bytes, so no offset inside them needs
// mending, whatever camera wrote them.
//
// The replaced IFD0 table and the old values of the replaced items are
// zeroed, so a text the user removed does not stay readable in the file.
// When the old IFD0 and the values of the replaced items are all that lie
// from IFD0 to the end of the block (a block this writer wrote before), the
// new directory takes their place, so saving again and again does not grow
// the block.
//
// The writer only reads IFD0's entry table to copy it; it never follows
// another directory. Item values are taken little-endian (as TPropertyItem
// holds them) and written in the block's byte order.
class TExifWriter {
public:
  enum TResult {
    Written,
    Damaged,   // the block's header or IFD0 table does not lie within the block
    TooLarge,  // the result would not fit one APP1 segment
  };

  // tiff empty: a minimal new block (little-endian) holding only the items.
  // The items' ids must be distinct and below 65536.
  [[nodiscard]] static TResult Write(const QByteArray& tiff, const std::vector<TPropertyItem>& items,
                                     QByteArray& result);
};
