// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mutex>

// The metadata library's global state, in one place: its log handler, the
// XMP parser it carries (which must be initialised before the first packet
// is read, and is not safe to use from two threads at once) and the XMP
// namespaces that Zelvane reads and writes. Every call into the library,
// from whichever class, holds Lock().
namespace MetadataLibrary {

// Sets the library up; the programs call it at start, and every user of the
// library calls it again (only the first call does anything).
void Initialize();

// The namespace of Zelvane's own items in an XMP sidecar, and its prefix.
inline constexpr const char* ZelvaneNamespace = "http://ns.vornsoftware.nl/zelvane/1.0/";
inline constexpr const char* ZelvanePrefix = "zelvane";

// The one lock around the library.
[[nodiscard]] std::mutex& Lock();

// Undoes every namespace the XMP parser registered for the packets it read
// (the library lets a packet rebind a prefix such as "dc" for the rest of
// the process) and registers Zelvane's own again. Called with Lock() held,
// before a packet is read.
void ResetXmpNamespaces();

}  // namespace MetadataLibrary
