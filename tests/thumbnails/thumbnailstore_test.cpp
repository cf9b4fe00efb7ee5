// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "formatsamples.h"
#include "imagelistcache.h"
#include "imagetodraw.h"
#include "testsupport.h"
#include "thumbnailstore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QUrl>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <utime.h>

using namespace TestSupport;

namespace {

// The list thumbnail of a photo through a cache with the store at home.
QImage ListThumbnail(const QString& path, const QString& home, int* loads = nullptr) {
  TImageListCache cache;
  cache.Store = std::make_shared<TThumbnailStore>(home);
  const TPhotoRecord record = cache.GetImageRecord(path);
  cache.Show(record);
  EXPECT_TRUE(WaitFor([&] { return cache.IsReady(record.get()); }));
  if (loads) *loads = record->LoadCount();
  return cache.Thumbnail(record.get());
}

QImage Solid(QColor colour, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A PNG with the standard's chunks, as another program writes it.
void WriteThumbnail(const QString& file, const QImage& picture, const QString& path, bool ownTime,
                    int render = TThumbnailStore::RenderVersion, const QString& sidecar = QString()) {
  QDir().mkpath(QFileInfo(file).path());
  QImage tagged = picture;
  struct stat st {};
  ::stat(QFile::encodeName(path).constData(), &st);
  tagged.setText("Thumb::URI", TThumbnailStore::UriOf(path));
  tagged.setText("Thumb::MTime", QString::number(st.st_mtim.tv_sec));
  tagged.setText("Thumb::Size", QString::number(st.st_size));
  if (ownTime)
    tagged.setText("Zelvane::MTimeNs",
                   QStringLiteral("%1.%2").arg(st.st_mtim.tv_sec).arg(st.st_mtim.tv_nsec, 9, 10, QChar(u'0')));
  if (ownTime && render > 1) tagged.setText("Zelvane::Render", QString::number(render));
  if (!sidecar.isEmpty()) tagged.setText("Zelvane::Sidecar", sidecar);
  ASSERT_TRUE(tagged.save(file, "PNG"));
}

bool IsColour(const QImage& image, QColor colour) {
  const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
  return std::abs(c.red() - colour.red()) < 30 && std::abs(c.green() - colour.green()) < 30 &&
         std::abs(c.blue() - colour.blue()) < 30;
}

}  // namespace

TEST(ThumbnailStore, StoredThumbnailsAreUsedUntilTheFileChanges) {
  TSandbox box;
  const QString home = box.Path("cache");
  const QString path = box.Write("photo.jpg", EncodeJpeg(Solid(Qt::blue, {400, 300})));
  const QImage first = ListThumbnail(path, home);
  const QString own = home + "/zelvane/thumbnails/" + TThumbnailStore::NameOf(path);
  ASSERT_TRUE(QFileInfo::exists(own));
  // The standard's name, chunks and modes.
  EXPECT_EQ(TThumbnailStore::NameOf(path),
            QString::fromLatin1(QCryptographicHash::hash(QUrl::fromLocalFile(path).toEncoded(), QCryptographicHash::Md5).toHex()) + ".png");
  const QImage stored(own);
  EXPECT_EQ(stored.text("Thumb::URI"), QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
  EXPECT_EQ(stored.text("Thumb::Size"), QString::number(QFileInfo(path).size()));
  struct stat st {};
  ::stat(QFile::encodeName(own).constData(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ::stat(QFile::encodeName(home + "/zelvane/thumbnails").constData(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  // A shared "normal" thumbnail for the file managers too (no preview, upright, plain).
  const QImage shared(home + "/thumbnails/normal/" + TThumbnailStore::NameOf(path));
  EXPECT_EQ(std::max(shared.width(), shared.height()), 128);

  // The stored one is used: made red here, the list shows red without a decode.
  WriteThumbnail(own, Solid(Qt::red, {64, 64}), path, true);
  int loads = -1;
  EXPECT_TRUE(IsColour(ListThumbnail(path, home, &loads), Qt::red));
  EXPECT_EQ(loads, 0);
  // One drawn by an earlier version (sideways portraits) is made again.
  for (int render : {1, TThumbnailStore::RenderVersion - 1}) {
    WriteThumbnail(own, Solid(Qt::red, {64, 64}), path, true, render);
    EXPECT_TRUE(IsColour(ListThumbnail(path, home), Qt::blue)) << render;
  }
  WriteThumbnail(own, Solid(Qt::red, {64, 64}), path, true);
  // A new time or size retires it.
  struct timespec times[2] = {{0, UTIME_OMIT}, {0, 0}};
  clock_gettime(CLOCK_REALTIME, &times[1]);
  times[1].tv_sec += 5;
  ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
  EXPECT_TRUE(IsColour(ListThumbnail(path, home), Qt::blue));
  WriteThumbnail(own, Solid(Qt::red, {64, 64}), path, true);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write("xx");
  file.close();
  ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);  // same time, new size
  EXPECT_TRUE(IsColour(ListThumbnail(path, home), Qt::blue));
  // A corrupt store file is ignored and replaced.
  QFile corrupt(own);
  ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly | QIODevice::Truncate));
  corrupt.write("\x89PNG garbage");
  corrupt.close();
  EXPECT_TRUE(IsColour(ListThumbnail(path, home), Qt::blue));
  EXPECT_FALSE(QImage(own).isNull());
  // A store that cannot be written changes nothing for the list.
  const QString blocked = box.Write("blocked", "a file where the cache folder goes");
  EXPECT_TRUE(IsColour(ListThumbnail(path, blocked), Qt::blue));
}

TEST(ThumbnailStore, SharedThumbnailsForPlainPhotosFailuresAndTrimming) {
  TSandbox box;
  const QString home = box.Path("cache");
  const QString plain = box.Write("plain.jpg", EncodeJpeg(Solid(Qt::blue, {400, 300})));
  const QString cropped = box.Write("roi.jpg", WithItems(EncodeJpeg(Solid(Qt::blue, {400, 300})),
                                                         {AttributeItems::TextItem(61000, "Vorn Software"),
                                                          AttributeItems::RectItem(61008, {10, 10, 100, 100})}));
  // A file manager's thumbnails, green.
  for (const QString& path : {plain, cropped})
    WriteThumbnail(home + "/thumbnails/normal/" + TThumbnailStore::NameOf(path), Solid(Qt::green, {128, 96}), path, false);
  EXPECT_TRUE(IsColour(ListThumbnail(plain, home), Qt::green));
  EXPECT_TRUE(IsColour(ListThumbnail(cropped, home), Qt::blue));  // its own region: rendered

  // A damaged photo is remembered: the next listing shows its error without a decode.
  const QString broken = box.Write("broken.jpg", QByteArray("\xFF\xD8\xFF\xDB") + QByteArray(2000, 'x'));
  ListThumbnail(broken, home);
  const QString failed = home + "/thumbnails/fail/zelvane-" + QStringLiteral(ZELVANE_VERSION_TEXT) + "/" +
                         TThumbnailStore::NameOf(broken);
  ASSERT_TRUE(QFileInfo::exists(failed));
  TThumbnailStore store(home);
  QString message;
  EXPECT_TRUE(store.IsFailed(broken, &message));
  EXPECT_TRUE(message.startsWith("Error"));
  int loads = -1;
  ListThumbnail(broken, home, &loads);
  EXPECT_EQ(loads, 0);

  // Trimming keeps the most recently used.
  const QString folder = home + "/zelvane/thumbnails";
  QStringList files;
  for (const QString& f : QDir(folder).entryList({"*.png"}, QDir::Files)) files.append(folder + "/" + f);
  ASSERT_GE(files.size(), 2);
  qint64 total = 0;
  for (int i = 0; i < files.size(); ++i) {
    struct timespec times[2] = {{1000 + i, 0}, {1000 + i, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(files[i]).constData(), times, 0);
    total += QFileInfo(files[i]).size();
  }
  store.Trim(total - 1);
  EXPECT_FALSE(QFileInfo::exists(files.first()));
  EXPECT_TRUE(QFileInfo::exists(files.last()));
}

// A photo whose attributes live in a sidecar: a stored thumbnail counts only
// while the sidecar is as it was (another program may have turned the photo).
TEST(ThumbnailStore, ASidecarThatChangedRetiresTheStoredThumbnail) {
  TSandbox box;
  const QString home = box.Path("cache");
  const QString path = box.Write("phone.heic", EncodeHeif(box, EncodeJpeg(Solid(Qt::blue, {400, 300})), "heic"));
  EXPECT_TRUE(IsColour(ListThumbnail(path, home), Qt::blue));
  const QString own = home + "/zelvane/thumbnails/" + TThumbnailStore::NameOf(path);
  EXPECT_EQ(QImage(own).text("Zelvane::Sidecar"), QStringLiteral("none"));
  WriteThumbnail(own, Solid(Qt::red, {64, 64}), path, true, TThumbnailStore::RenderVersion, "none");
  EXPECT_TRUE(IsColour(ListThumbnail(path, home), Qt::red));  // used while there is no sidecar

  TImageToDraw other(path);  // another program's save
  other.LoadAttributes();
  ChangeAttributes(other, [](TPhotoAttributes& a) { a.Rotation = 90; });
  other.Save();
  const QImage made = ListThumbnail(path, home);
  EXPECT_TRUE(IsColour(made, Qt::blue));
  EXPECT_NE(QImage(own).text("Zelvane::Sidecar"), QStringLiteral("none"));
  // Turned: 48 × 64 in the 64 × 64 thumbnail, so its left edge is no photo.
  EXPECT_TRUE(IsColour(made.copy(28, 0, 8, 4), Qt::blue));
  EXPECT_FALSE(IsColour(made.copy(0, 28, 4, 8), Qt::blue));
}
