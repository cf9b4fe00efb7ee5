// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "childprocess.h"
#include "exifstore.h"
#include "jpegcodec.h"
#include "jpegsegments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QThread>
#include <csignal>
#include <unistd.h>
#include <sys/resource.h>
#include <QRegularExpression>
#include <QMap>
#include <gtest/gtest.h>
#include <thread>

namespace TestSupport {

QString DataPath(const QString& name) {
  return QStringLiteral(ZELVANE_TEST_DATA) + u'/' + name;
}

TSandbox::TSandbox() {
  EXPECT_TRUE(FDir.isValid());
}

QString TSandbox::Path(const QString& name) const {
  return FDir.filePath(name);
}

QString TSandbox::Copy(const QString& dataName, const QString& newName) const {
  return Write(newName.isEmpty() ? dataName : newName, ReadFile(DataPath(dataName)));
}

QString TSandbox::Write(const QString& name, const QByteArray& content) const {
  const QString path = Path(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  EXPECT_EQ(file.write(content), content.size());
  return path;
}

QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x)
      line[x] = qRgb(255 * x / qMax(1, width - 1), 255 * y / qMax(1, height - 1), (x / 16 + y / 16) % 2 ? 200 : 60);
  }
  return image;
}

QImage WithRedPupils(int w, int h, const std::vector<QPoint>& centres, int radius) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(qRgb(120, 110, 100));
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 40, 60));
  for (QPoint c : centres) p.drawEllipse(c, radius, radius);
  return image;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
  TGPStatus status = GenericError;
  const QByteArray data = TJpegCodec::Encode(image, quality, status);
  EXPECT_EQ(status, Ok);
  return data;
}

QByteArray WithItems(const QByteArray& jpeg, const std::vector<TPropertyItem>& items) {
  const TJpegHeader header = TJpegSegments::Parse(jpeg);
  TExifStore exif;
  if (header.HasExif()) {
    EXPECT_EQ(exif.Load(jpeg.mid(header.TiffOffset, header.TiffLength)), Ok);
  }
  for (const TPropertyItem& item : items) EXPECT_EQ(exif.SetPropertyItem(item), Ok);
  TGPStatus status = GenericError;
  const QByteArray tiff = exif.Save(status);
  EXPECT_EQ(status, Ok);
  return TJpegSegments::ReplaceExif(jpeg, header, tiff);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

QByteArray AllButExif(const QByteArray& jpeg) {
  const TJpegHeader header = TJpegSegments::Parse(jpeg);
  if (!header.HasExif()) return jpeg;
  return jpeg.left(header.ExifSegmentStart) + jpeg.mid(header.ExifSegmentEnd);
}

QByteArray AllButMetadata(const QByteArray& jpeg) {
  QByteArray rest = jpeg;
  for (;;) {
    // One segment at a time, the last first, so the others' offsets hold.
    const TJpegHeader h = TJpegSegments::Parse(rest);
    qsizetype start = -1, end = -1;
    for (const auto& [s, e] : {std::pair(h.ExifSegmentStart, h.ExifSegmentEnd), std::pair(h.XmpSegmentStart, h.XmpSegmentEnd),
                               std::pair(h.IrbSegmentStart, h.IrbSegmentEnd)})
      if (s >= 0 && s > start) start = s, end = e;
    if (start < 0) return rest;
    rest.remove(start, end - start);
  }
}

QByteArray Exiftool(const QStringList& args) {
  const ChildProcess::TResult run = ChildProcess::Run(QStringLiteral("exiftool"), args, {}, environ, 60000);
  EXPECT_TRUE(run.Exit >= 0) << "exiftool did not run (scripts/install-deps.sh installs it)";
  return run.Out;
}

QJsonObject ExiftoolJson(const QString& path, const QStringList& extra) {
  const QByteArray json = Exiftool(QStringList{QStringLiteral("-j"), QStringLiteral("-G1"), QStringLiteral("-a")} +
                                   extra + QStringList{path});
  const QJsonArray array = QJsonDocument::fromJson(json).array();
  EXPECT_EQ(array.size(), 1) << json.toStdString();
  return array.at(0).toObject();
}

QJsonObject CameraTags(const QString& path) {
  static const QRegularExpression ours(QStringLiteral("Exif_0xee(4[89a-f]|50)$"));
  QJsonObject tags = ExiftoolJson(path, {"-u", "-n", "-b", "-G1:4", "-x", "System:all", "-x", "File:all"});
  for (const QString& key : tags.keys())
    if (ours.match(key).hasMatch() || key == QLatin1String("SourceFile")) tags.remove(key);
  return tags;
}

QJsonObject OtherTags(const QString& path) {
  static const QRegularExpression written(QStringLiteral(
      "^(XMP-dc:(Title|Description)|XMP-iptcCore:Location|XMP-iptcExt:(LocationShown(Sublocation)?|PersonInImage)|"
      "XMP-photoshop:DateCreated|XMP-x:XMPToolkit|IPTC:(ObjectName|Caption-Abstract|Sub-location|DateCreated|"
      "TimeCreated|CodedCharacterSet)|Photoshop:IPTCDigest|IFD0:ImageDescription|"
      "Composite:(DateTimeCreated|DateTimeOriginal))$"));
  static const QRegularExpression copy(QStringLiteral(":Copy\\d+:"));
  QJsonObject tags = CameraTags(path);
  for (const QString& key : tags.keys())
    if (written.match(QString(key).replace(copy, QStringLiteral(":"))).hasMatch()) tags.remove(key);
  return tags;
}

std::vector<TPropertyItem> ExiftoolRawItems(const QString& path) {
  static const QRegularExpression tagLine(QStringLiteral("- Tag 0x([0-9a-f]{4}) \\((\\d+) bytes, (\\w+)"));
  static const QRegularExpression dumpLine(QStringLiteral("^\\s*\\|\\s+[0-9a-f]+: ((?:[0-9a-f]{2} )+)"));
  const QMap<QString, quint16> types = {{QStringLiteral("int8u"), 1}, {QStringLiteral("string"), 2},
                                        {QStringLiteral("int16u"), 3}, {QStringLiteral("int32u"), 4},
                                        {QStringLiteral("rational64u"), 5}, {QStringLiteral("undef"), 7}};
  std::vector<TPropertyItem> items;
  const QStringList lines = QString::fromUtf8(Exiftool({QStringLiteral("-v3"), QStringLiteral("-u"), path}))
                                .split(u'\n');
  bool inIfd0 = false;
  for (const QString& line : lines) {
    if (line.contains(QLatin1String("+ [IFD0 directory"))) inIfd0 = true;
    else if (line.contains(QLatin1String("+ [")) && !line.startsWith(QLatin1String("  | "))) inIfd0 = false;
    if (!inIfd0) continue;
    const QRegularExpressionMatch tag = tagLine.match(line);
    if (tag.hasMatch() && line.startsWith(QLatin1String("  |     - Tag"))) {
      items.push_back({tag.captured(1).toUInt(nullptr, 16), types.value(tag.captured(3), 0), {}});
      continue;
    }
    const QRegularExpressionMatch dump = dumpLine.match(line);
    if (dump.hasMatch() && !items.empty())
      items.back().Value += QByteArray::fromHex(dump.captured(1).remove(u' ').toLatin1());
  }
  return items;
}

TPropertyItem ExiftoolRawItem(const QString& path, quint32 id) {
  for (const TPropertyItem& item : ExiftoolRawItems(path))
    if (item.Id == id) return item;
  return {};
}

int ThreadCount() {
  return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

int SettledThreadCount() {
  // A sanitizer's runtime starts a thread of its own with the process's
  // first one: it is there before anything is counted.
  static const bool started = [] {
    std::thread([] {}).join();
    return true;
  }();
  (void)started;
  int count = ThreadCount();
  for (int i = 0; i < 100; ++i) {
    QThread::msleep(100);
    const int now = ThreadCount();
    if (now == count) break;
    count = now;
  }
  return count;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

double MeanDifference(const QImage& a, const QImage& b) {
  EXPECT_EQ(a.size(), b.size());
  if (a.size() != b.size() || a.isNull()) return 1e9;
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int col = 0; col < x.width(); ++col)
      sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
             std::abs(qBlue(p[col]) - qBlue(q[col]));
  }
  return sum / (3.0 * x.width() * x.height());
}

TFileSizeLimit::TFileSizeLimit(qint64 bytes) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return;
  FOldSoft = qint64(limit.rlim_cur);
  FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = rlim_t(bytes);
  FActive = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

TFileSizeLimit::~TFileSizeLimit() {
  if (!FActive) return;
  struct rlimit limit {};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = rlim_t(FOldSoft);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, FOldHandler);
}

TProgramRun RunProgram(const QString& program, const QStringList& args, const QByteArray& input) {
  const ChildProcess::TResult run = ChildProcess::Run(program, args, input, environ, 120000);
  return {run.Exit, QString::fromUtf8(run.Out), QString::fromUtf8(run.Err)};
}

void ExpectOnlyOwnLines(const QString& err, const QString& tool) {
  for (const QString& line : err.split(u'\n', Qt::SkipEmptyParts))
    EXPECT_TRUE(line.startsWith(tool + QStringLiteral(": "))) << line.toStdString();
}

TProgramRun RunOutsideSession(const QString& program, const QStringList& args, const QString& tempFolder) {
  std::vector<QByteArray> variables;
  for (char** variable = environ; *variable; ++variable) {
    const QByteArray text(*variable);
    if (!text.startsWith("XDG_RUNTIME_DIR=") && !text.startsWith("TMPDIR=")) variables.push_back(text);
  }
  variables.push_back("TMPDIR=" + QFile::encodeName(tempFolder));
  std::vector<char*> pointers;
  for (QByteArray& variable : variables) pointers.push_back(variable.data());
  pointers.push_back(nullptr);
  const ChildProcess::TResult run = ChildProcess::Run(program, args, {}, pointers.data(), 120000);
  return {run.Exit, QString::fromUtf8(run.Out), QString::fromUtf8(run.Err)};
}

}  // namespace TestSupport
