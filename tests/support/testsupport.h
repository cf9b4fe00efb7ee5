// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertyitem.h"

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <type_traits>
#include <vector>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// Helpers shared by the tests: a scratch folder per test, test photos made on
// the fly or copied from the checked-in data, and exiftool as an independent
// reader of what Zelvane writes.
namespace TestSupport {

[[nodiscard]] QString DataPath(const QString& name);

// A temporary folder removed with the object.
class TSandbox {
public:
  TSandbox();
  [[nodiscard]] QString Path(const QString& name) const;
  // Copies a checked-in photo into the sandbox, writable, under newName (or its own name).
  QString Copy(const QString& dataName, const QString& newName = QString()) const;
  QString Write(const QString& name, const QByteArray& content) const;

private:
  QTemporaryDir FDir;
};

// A picture with smooth gradients and some detail, so that scaling and
// encoding faults show.
[[nodiscard]] QImage Pattern(int width, int height);

// A grey picture with red discs ("pupils") at the given centres.
[[nodiscard]] QImage WithRedPupils(int w, int h, const std::vector<QPoint>& centres, int radius = 5);

// JPEG bytes of the picture at the given quality.
[[nodiscard]] QByteArray EncodeJpeg(const QImage& image, int quality = 90);

// The JPEG with these items written into IFD0 of its EXIF block.
[[nodiscard]] QByteArray WithItems(const QByteArray& jpeg, const std::vector<TPropertyItem>& items);

[[nodiscard]] QByteArray ReadFile(const QString& path);

// The bytes of a JPEG file without its EXIF segment: everything a metadata
// save must keep as it was.
[[nodiscard]] QByteArray AllButExif(const QByteArray& jpeg);

// A program run to its end, as a script would run it, with input on its
// standard input: exit code (-1 when it crashed) and its output.
struct TProgramRun {
  int Exit = -1;
  QString Out, Err;
};
TProgramRun RunProgram(const QString& program, const QStringList& args, const QByteArray& input = QByteArray());
// Runs a program as a script or cron job would: no desktop session
// (XDG_RUNTIME_DIR unset), with temporary files under tempFolder.
TProgramRun RunOutsideSession(const QString& program, const QStringList& args, const QString& tempFolder);
// Fails the test for any standard-error line not starting with "tool: "
// (Qt's own warnings, for instance).
void ExpectOnlyOwnLines(const QString& err, const QString& tool);

// Runs exiftool; fails the test when it cannot run.
QByteArray Exiftool(const QStringList& args);
// exiftool -j of one file, as an object (keys "Group:Tag").
[[nodiscard]] QJsonObject ExiftoolJson(const QString& path, const QStringList& extra = {});

// The bytes of a JPEG file without its EXIF, main XMP and Photoshop (IPTC)
// segments: the picture and every other segment, which a save keeps.
[[nodiscard]] QByteArray AllButMetadata(const QByteArray& jpeg);

// Every tag exiftool reads from the file, its warnings and binary values
// (base64) included, but the file system's facts and Zelvane's nine items:
// what a save of the private items only must leave exactly as it was.
[[nodiscard]] QJsonObject CameraTags(const QString& path);
// The same without the tags a save also writes for other programs (the XMP
// and IPTC attribute tags, the IPTC digest and character set, the EXIF
// ImageDescription, the XMP toolkit's name, and the dates exiftool makes up
// from those): what every save must keep.
[[nodiscard]] QJsonObject OtherTags(const QString& path);

// Every IFD0 item of the file as exiftool reads it (id, type code, raw bytes
// in the file's byte order), from its verbose dump.
[[nodiscard]] std::vector<TPropertyItem> ExiftoolRawItems(const QString& path);
[[nodiscard]] TPropertyItem ExiftoolRawItem(const QString& path, quint32 id);

// While it lives the process may not write files beyond the given size, as
// on a full disk: writes fail part-way (SIGXFSZ is ignored meanwhile).
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(qint64 bytes);
  ~TFileSizeLimit();
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
  [[nodiscard]] bool Active() const { return FActive; }

private:
  qint64 FOldSoft = 0;
  void (*FOldHandler)(int) = nullptr;
  bool FActive = false;
};

// The threads this process runs now; settled: the same count over 100 ms
// (a thread that was waited for leaves the list a moment later).
[[nodiscard]] int ThreadCount();
[[nodiscard]] int SettledThreadCount();

// Runs the event loop until the condition holds; false after timeoutMs.
[[nodiscard]] bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000);

// Mean absolute difference per channel, over two pictures of the same size.
[[nodiscard]] double MeanDifference(const QImage& a, const QImage& b);

// A window's widget by its object name (a window keeps its widgets to
// itself; tests find them as a user finds them, by what they are). The
// window may be given as an object, a pointer or a smart pointer.
template <typename TWidget, typename TWindow>
TWidget* Child(const TWindow& window, const char* name) {
  const QObject* parent = nullptr;
  if constexpr (std::is_pointer_v<TWindow>)
    parent = window;
  else if constexpr (requires { window.get(); })
    parent = window.get();
  else
    parent = &window;
  auto* child = parent->template findChild<TWidget*>(QLatin1String(name));
  EXPECT_NE(child, nullptr) << "no " << name;
  return child;
}

// Changes a photo record's attributes as the windows do: a snapshot,
// changed, then put back whole.
template <typename TRecord, typename TChange>
void ChangeAttributes(TRecord& record, TChange change) {
  auto attributes = record.Attributes();
  change(attributes);
  record.SetAttributes(attributes);
}

}  // namespace TestSupport
