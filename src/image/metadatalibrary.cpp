// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadatalibrary.h"

#include <QLoggingCategory>
#include <mutex>

// The metadata library's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

Q_LOGGING_CATEGORY(lcMetadata, "zelvane.metadata", QtWarningMsg)

namespace {

void LogHandler(int level, const char* message) { qCDebug(lcMetadata) << "metadata library:" << level << message; }

// Namespaces the attributes use, with the prefixes other programs use for
// them; registered only where the library does not know the URI already.
const struct {
  const char* Uri;
  const char* Prefix;
} Namespaces[] = {
    {"http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/", "Iptc4xmpCore"},
    {"http://iptc.org/std/Iptc4xmpExt/2008-02-29/", "Iptc4xmpExt"},
    {"http://ns.adobe.com/photoshop/1.0/", "photoshop"},
    {"http://ns.adobe.com/xmp/note/", "xmpNote"},
    {MetadataLibrary::ZelvaneNamespace, MetadataLibrary::ZelvanePrefix},
};

}  // namespace

namespace MetadataLibrary {

std::mutex& Lock() {
  static std::mutex lock;
  return lock;
}

void ResetXmpNamespaces() {
  Exiv2::XmpProperties::unregisterNs();
  for (const auto& ns : Namespaces)
    if (Exiv2::XmpProperties::prefix(ns.Uri).empty()) Exiv2::XmpProperties::registerNs(ns.Uri, ns.Prefix);
}

void Initialize() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::lock_guard locker(Lock());
    Exiv2::LogMsg::setHandler(LogHandler);
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
    // HEIF, AVIF and CR3 files are read only once this is on.
    Exiv2::enableBMFF(true);
    try {
      Exiv2::XmpParser::initialize();
      ResetXmpNamespaces();
    } catch (const std::exception& e) {
      qCWarning(lcMetadata) << "the XMP parser could not be set up:" << e.what();
    } catch (...) {
      qCWarning(lcMetadata) << "the XMP parser could not be set up";
    }
  });
}

}  // namespace MetadataLibrary

#pragma GCC diagnostic pop
