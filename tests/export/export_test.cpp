// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "exportplan.h"
#include "exportrun.h"
#include "formatsamples.h"
#include "imagetodraw.h"
#include "redeyes.h"
#include "testsupport.h"

#include <QDir>
#include <QImageReader>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Collects what a run reports; answers errors with OK (or Cancel).
class TReport : public IExportReport {
public:
  void Step(const QString& label) override { Labels.append(label); }
  bool Error(const QString& message) override {
    Errors.append(message);
    return !CancelOnError;
  }
  void Written(const QString& path) override { Paths.append(path); }
  void Finished() override { Done = true; }
  QStringList Labels, Errors, Paths;
  bool Done = false, CancelOnError = false;
};

class ExportTest : public ::testing::Test {
protected:
  void SetUp() override {
    Dest = Box.Path("dest");
    ASSERT_TRUE(QDir().mkpath(Dest));
    ASSERT_TRUE(QDir().mkpath(Box.Path("src")));
  }
  TPhotoRecord Photo(const QString& name, const QByteArray& jpeg) {
    Records.push_back(std::make_shared<TImageToDraw>(Box.Write("src/" + name, jpeg)));
    return Records.back();
  }
  // Runs an export to the end; false when it could not start (Error holds why).
  bool Export(const TExportPlan& plan, TExportOptions options, TReport& report) {
    options.Destination = Dest;
    options.Threads = 2;
    options.TemplateFolder = QStringLiteral(ZELVANE_TEMPLATES);
    TExportRun run(plan, options, report);
    if (!run.Prepare(Error)) return false;
    run.Start();
    // A CD copies and strips the viewer (some seconds, more beside other tests).
    EXPECT_TRUE(WaitFor([&] { return report.Done; }, 180000));
    return true;
  }
  // Every file below the destination, relative.
  QStringList Files() const {
    QStringList files;
    for (QDirIterator it(Dest, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
      files.append(QDir(Dest).relativeFilePath(it.next()));
    files.sort();
    return files;
  }
  static QImage Quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        image.setPixelColor(x, y, x < w / 2 ? (y < h / 2 ? Qt::red : Qt::blue) : (y < h / 2 ? Qt::green : Qt::white));
    return image;
  }
  // Options for copies resized to fit width × height.
  static TExportOptions Resized(int width, int height) {
    TExportOptions options;
    options.FullSize = false;
    options.Width = width;
    options.Height = height;
    return options;
  }
  static QString PageText(const QString& path) { return QString::fromUtf8(ReadFile(path)); }
  // Checks every album page below the destination: valid HTML to the HTML
  // checker (exit status 2 means errors), no placeholder or script left,
  // and every HREF, SRC and refresh URL, each on one line, leading to a
  // written file. Returns the number of links.
  int CheckedLinks() const {
    static const QRegularExpression link(QStringLiteral(R"re((?:href|HREF|src|SRC)="([^"]*)")re"));
    static const QRegularExpression refresh(QStringLiteral(R"re(url=([^"]*)")re"));
    int links = 0;
    for (QDirIterator it(Dest, {"*.html"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
      const QString page = it.next();
      const TProgramRun tidy = RunProgram(QStringLiteral("tidy"), {"-errors", "-quiet", page});
      EXPECT_TRUE(tidy.Exit == 0 || tidy.Exit == 1) << page.toStdString() << "\n" << tidy.Err.toStdString();
      const QString text = PageText(page);
      EXPECT_FALSE(text.contains("<%")) << page.toStdString();
      EXPECT_FALSE(text.contains("<script>")) << page.toStdString();
      QStringList targets;
      for (auto m = link.globalMatch(text); m.hasNext();) targets.append(m.next().captured(1));
      for (auto m = refresh.globalMatch(text); m.hasNext();) targets.append(m.next().captured(1));
      for (const QString& target : targets) {
        EXPECT_FALSE(target.contains('\r') || target.contains('\n')) << page.toStdString();
        const QString file = QUrl::fromPercentEncoding(target.toUtf8());
        EXPECT_TRUE(QFileInfo(QFileInfo(page).path() + "/" + file).isFile())
            << page.toStdString() << " -> " << target.toStdString();
        ++links;
      }
    }
    return links;
  }

  TSandbox Box;
  QString Dest, Error;
  std::vector<TPhotoRecord> Records;
};

}  // namespace

TEST_F(ExportTest, FullSizeCopiesAreIdenticalAndNamesNeverCollide) {
  TExportPlan plan;
  plan.AddFolder(-1, "Photos");
  const int trip = plan.AddFolder(0, "Trip");
  TPhotoRecord a = Photo("a.jpg", EncodeJpeg(Pattern(40, 30)));
  TPhotoRecord other = Photo("A.JPG", EncodeJpeg(Pattern(30, 40)));
  plan.Folders[0].Photos = {a, other};
  plan.Folders[trip].Photos = {a};
  TReport report;
  ASSERT_TRUE(Export(plan, {}, report)) << Error.toStdString();
  EXPECT_EQ(report.Errors, QStringList());
  EXPECT_EQ(report.Paths, (QStringList{"Photos/a.jpg", "Photos/A_2.JPG", "Photos/Trip/a.jpg"}));
  EXPECT_EQ(ReadFile(Dest + "/Photos/a.jpg"), ReadFile(a->FileName));
  EXPECT_EQ(ReadFile(Dest + "/Photos/A_2.JPG"), ReadFile(other->FileName));
  EXPECT_EQ(report.Labels.size(), 3);
  // A second run overwrites, and leaves nothing else behind.
  TReport again;
  ASSERT_TRUE(Export(plan, {}, again));
  EXPECT_EQ(Files(), (QStringList{"Photos/A_2.JPG", "Photos/Trip/a.jpg", "Photos/a.jpg"}));

  // Folder names that cannot be folders, or twins, are refused before anything is written.
  for (const char* bad : {"", ".", "..", "a/b", "a\\b", "tab\there"}) {
    TExportPlan wrong = plan;
    wrong.Folders[trip].Text = QString::fromUtf8(bad);
    EXPECT_FALSE(TExportRun(wrong, {}, again).Prepare(Error)) << bad;
  }
  TExportPlan twins = plan;
  twins.AddFolder(0, "TRIP");
  EXPECT_FALSE(twins.Problem().isEmpty());
}

TEST_F(ExportTest, SourcesAreNeverHarmedByAnExportIntoTheirOwnFolder) {
  // The destination is the photos' own folder.
  TPhotoRecord a = Photo("a.jpg", EncodeJpeg(Pattern(40, 30)));
  TPhotoRecord b = Photo("b_80x60.jpg", EncodeJpeg(Pattern(40, 30)));
  TPhotoRecord c = Photo("b.jpg", EncodeJpeg(Pattern(40, 30)));
  const QByteArray before = ReadFile(a->FileName) + ReadFile(b->FileName) + ReadFile(c->FileName);
  TExportPlan plan;
  plan.AddFolder(-1, "src");
  plan.Folders[0].Photos = {a};
  Dest = Box.Path("");
  TReport same;
  ASSERT_TRUE(Export(plan, {}, same));  // a full-size copy onto itself writes nothing
  EXPECT_EQ(same.Errors, QStringList());
  plan.Folders[0].Photos = {b, c};      // b.jpg resized would become b_80x60.jpg, which is b
  TReport clash;
  ASSERT_TRUE(Export(plan, Resized(80, 60), clash));
  ASSERT_EQ(clash.Errors.size(), 1);
  EXPECT_TRUE(clash.Errors[0].contains("would replace")) << clash.Errors[0].toStdString();
  EXPECT_EQ(ReadFile(a->FileName) + ReadFile(b->FileName) + ReadFile(c->FileName), before);
}

TEST_F(ExportTest, ADamagedPhotoIsItsItemsErrorAndAFullDiskLeavesNoFile) {
  TPhotoRecord broken = Photo("broken.jpg", "not a photo");
  TPhotoRecord big = Photo("big.jpg", EncodeJpeg(Pattern(300, 200), 100));
  TExportPlan two;
  two.AddFolder(-1, "Photos");
  two.Folders[0].Photos = {broken, big};
  TReport failures;
  const TExportOptions sized = Resized(300, 300);
  {
    TFileSizeLimit full(2000);
    ASSERT_TRUE(full.Active());
    ASSERT_TRUE(Export(two, sized, failures));
  }
  EXPECT_EQ(failures.Errors.size(), 2);
  EXPECT_TRUE(failures.Errors.contains("Could not save file: " + Dest + "/Photos/big_300x300.jpg (File too large)"))
      << failures.Errors.join(u'\n').toStdString();
  EXPECT_EQ(failures.Labels.size(), 2);  // every job steps the progress
  EXPECT_EQ(Files(), QStringList());     // no partial or temporary file
}

TEST_F(ExportTest, CancelInTheErrorBoxEndsTheRunAndWhatWasWrittenIsWhole) {
  const TExportOptions sized = Resized(300, 300);
  TExportPlan many;
  TPhotoRecord broken = Photo("broken.jpg", "not a photo");
  many.AddFolder(-1, "Photos");
  many.Folders[0].Photos.append(broken);
  for (int i = 0; i < 30; ++i) many.Folders[0].Photos.append(Photo(QStringLiteral("m%1.jpg").arg(i), EncodeJpeg(Pattern(300, 200))));
  TReport cancelled;
  cancelled.CancelOnError = true;
  ASSERT_TRUE(Export(many, sized, cancelled));
  EXPECT_TRUE(cancelled.Done);
  EXPECT_EQ(cancelled.Errors.size(), 1);
  for (const QString& file : Files()) {
    EXPECT_TRUE(file.endsWith("_300x300.jpg")) << file.toStdString();  // no temporary file
    EXPECT_FALSE(QImage(Dest + "/" + file).isNull()) << file.toStdString();
  }
  EXPECT_LT(Files().size(), 30);
}

TEST_F(ExportTest, AFolderThatCannotBeMadeEndsTheRunBeforeAnythingIsCopied) {
  TExportPlan two;
  two.AddFolder(-1, "Photos");
  two.Folders[0].Photos = {Photo("a.jpg", EncodeJpeg(Pattern(40, 30)))};
  Box.Write("dest/Photos", "a file where the folder goes");
  TReport blocked;
  EXPECT_FALSE(Export(two, {}, blocked));
  EXPECT_TRUE(Error.startsWith("Could not create folder: ")) << Error.toStdString();
}

TEST_F(ExportTest, ResizedCopiesCarryRotationRoiAndTheNineItemsOnly) {
  // A 400 × 300 photo turned a quarter clockwise, with a region of interest
  // over its left half; camera EXIF besides.
  const QByteArray jpeg = WithItems(EncodeJpeg(Quadrants(400, 300), 95),
                                    {{0x010F, TPropertyItem::TypeAscii, QByteArray("Camera\0", 7)},
                                     AttributeItems::TextItem(61000, "Vorn Software"),
                                     AttributeItems::TextItem(61001, "Molen"),
                                     AttributeItems::TextItem(61004, "Delft"),
                                     AttributeItems::RotationItem(61006, 90),
                                     AttributeItems::RectItem(61008, {0, 0, 200, 300})});
  TPhotoRecord photo = Photo("turned.jfif", jpeg);  // a JPEG keeps its own extension
  TExportPlan plan;
  plan.AddFolder(-1, "Photos");
  plan.Folders[0].Photos = {photo};
  TExportOptions options = Resized(200, 200);
  TReport whole;
  ASSERT_TRUE(Export(plan, options, whole));
  ASSERT_EQ(whole.Paths, QStringList{"Photos/turned_200x200.jfif"});
  const QString out = Dest + "/Photos/turned_200x200.jfif";
  QImage copy(out);
  ASSERT_EQ(copy.size(), QSize(150, 200));  // turned: 300 × 400 fitted into 200 × 200
  // Turned clockwise, the left column of the photo is now the top row: red top right, blue top left.
  EXPECT_GT(copy.pixelColor(20, 20).blue(), 200);
  EXPECT_GT(copy.pixelColor(130, 20).red(), 200);
  EXPECT_GT(copy.pixelColor(130, 180).green(), 200);
  const QJsonObject tags = ExiftoolJson(out);
  EXPECT_FALSE(tags.contains("IFD0:Make"));
  EXPECT_FALSE(tags.contains("IFD0:Orientation"));
  // Other programs see the attributes too.
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Molen"));
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Delft"));
  TImageToDraw back(out);
  back.LoadAttributes();
  EXPECT_EQ(back.Attributes().Name, QStringLiteral("Molen"));
  EXPECT_EQ(back.Attributes().Location, QStringLiteral("Delft"));
  EXPECT_EQ(back.Attributes().Rotation, 0);
  EXPECT_EQ(back.Attributes().ROI, (TGPRect{0, 0, 150, 200}));

  // With the region of interest (the photo's left half, now its top half),
  // widened to the square box as far as the photo reaches: its top 300 rows.
  options.UseROI = true;
  TReport roi;
  ASSERT_TRUE(Export(plan, options, roi));
  copy = QImage(out);
  ASSERT_EQ(copy.size(), QSize(200, 200));
  EXPECT_GT(copy.pixelColor(20, 60).blue(), 200);
  EXPECT_GT(copy.pixelColor(180, 60).red(), 200);
  EXPECT_GT(copy.pixelColor(180, 180).green(), 200);
}

TEST_F(ExportTest, APortraitStoredSidewaysIsCopiedUprightAndAWholeCopyKeepsItsBytes) {
  // 400 × 300 stored, orientation 6: a 300 × 400 portrait.
  const QString source = Box.Write("portrait.jpg", EncodeJpeg(Pattern(400, 300)));
  Exiftool({"-q", "-overwrite_original", "-n", "-Orientation=6", "-XMP-dc:Title=Staand", source});
  const QByteArray bytes = ReadFile(source);
  TPhotoRecord photo = Photo("portrait.jpg", bytes);
  TExportPlan plan;
  plan.AddFolder(-1, "Photos");
  plan.Folders[0].Photos = {photo};
  TReport resized;
  ASSERT_TRUE(Export(plan, Resized(200, 200), resized));
  const QString out = Dest + "/Photos/portrait_200x200.jpg";
  EXPECT_EQ(QImageReader(out).size(), QSize(150, 200));
  const QJsonObject tags = ExiftoolJson(out, {"-n"});
  EXPECT_FALSE(tags.contains("IFD0:Orientation"));
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Staand"));
  EXPECT_FALSE(tags.contains("XMP-photoshop:DateCreated"));  // the file's date is no date taken
  TReport whole;
  ASSERT_TRUE(Export(plan, TExportOptions(), whole));
  EXPECT_EQ(ReadFile(Dest + "/Photos/portrait.jpg"), bytes);
}

TEST_F(ExportTest, ACdCarriesTheViewerAndItsAutorun) {
  TExportPlan plan;
  plan.AddFolder(-1, "My Photos");
  plan.Folders[0].Photos = {Photo("a.jpg", EncodeJpeg(Pattern(40, 30)))};
  TExportOptions options;
  options.Kind = TExportOptions::CD;
  options.Include = TExportOptions::AutorunAndViewer;
  options.Viewer = TViewerCopy::RunningSources();
  TReport report;
  ASSERT_TRUE(Export(plan, options, report));
  EXPECT_EQ(report.Errors, QStringList());
  // autorun, the viewer's seven groups, one photo.
  EXPECT_EQ(report.Labels.size(), 1 + TViewerCopy::GroupCount + 1);
  EXPECT_EQ(ReadFile(Dest + "/autorun.inf"),
            QByteArray("[autorun]\r\nicon=Viewer\\zelvane,0\r\nopen=Viewer\\zelvane \"\\My Photos\"\r\n"));
  EXPECT_TRUE(QFileInfo(Dest + "/autorun").isExecutable());
  EXPECT_FALSE(ReadFile(Dest + "/autorun").contains('\r'));
  EXPECT_TRUE(QFileInfo(Dest + "/Viewer/zelvane").isExecutable());
  EXPECT_TRUE(QFileInfo(Dest + "/Viewer/zelvane.sh").isExecutable());
  EXPECT_FALSE(QFileInfo::exists(Dest + "/Viewer.part"));
  // Prepared again, the run names what it would replace (the viewer as one
  // folder), and nothing is written before it starts.
  {
    TReport again;
    options.Destination = Dest;
    TExportRun run(plan, options, again);
    ASSERT_TRUE(run.Prepare(Error)) << Error.toStdString();
    QStringList existing;
    for (const QString& path : run.ExistingOutputs()) existing.append(QDir(Dest).relativeFilePath(path));
    existing.sort();
    EXPECT_EQ(existing, (QStringList{"My Photos/a.jpg", "Viewer", "autorun", "autorun.inf"}));
  }
  // Only the viewer: no autorun; a missing program is the viewer's error,
  // and no half viewer stays.
  QDir(Dest).removeRecursively();
  QDir().mkpath(Dest);
  options.Include = TExportOptions::OnlyViewer;
  options.Viewer.Executable = Box.Path("program/missing");
  TReport missing;
  ASSERT_TRUE(Export(plan, options, missing));
  EXPECT_EQ(missing.Errors.size(), 1);
  EXPECT_FALSE(QFileInfo::exists(Dest + "/autorun.inf"));
  EXPECT_FALSE(QFileInfo::exists(Dest + "/autorun"));
  EXPECT_FALSE(QFileInfo::exists(Dest + "/Viewer"));
  EXPECT_FALSE(QFileInfo::exists(Dest + "/Viewer.part"));
  EXPECT_TRUE(QFileInfo::exists(Dest + "/My Photos/a.jpg"));
}

TEST_F(ExportTest, TheAlbumLinksEveryPageEscapesEveryTextAndEncodesEveryName) {
  TExportPlan plan;
  plan.AddFolder(-1, "Photos");
  const int odd = plan.AddFolder(0, "Odd <script> & \"#%=\" names");
  const int deep = plan.AddFolder(odd, "Deeper");
  plan.AddFolder(0, "Empty");
  const QByteArray tagged = WithItems(EncodeJpeg(Pattern(80, 60)), {AttributeItems::TextItem(61000, "Vorn Software"),
                                                                    AttributeItems::TextItem(61001, "<script>alert(1)</script> & \"x\""),
                                                                    AttributeItems::TextItem(61002, "one\r\ntwo <%path%>")});
  plan.Folders[0].Photos = {Photo("a.jpg", tagged), Photo("b.jpg", EncodeJpeg(Pattern(80, 60))),
                            Photo("c.jpg", EncodeJpeg(Pattern(80, 60)))};
  plan.Folders[odd].Photos = {Photo("x #1 100%=.jpg", EncodeJpeg(Pattern(60, 80))), Photo("index.jpg", EncodeJpeg(Pattern(60, 80))),
                              Photo("broken.jpg", "not a photo")};
  plan.Folders[deep].Photos = {Photo("d.jpg", EncodeJpeg(Pattern(60, 80)))};
  TExportOptions options;
  options.Kind = TExportOptions::Html;
  options.FullSize = false;
  TReport report;
  ASSERT_TRUE(Export(plan, options, report)) << Error.toStdString();
  EXPECT_EQ(report.Errors.size(), 1);  // the damaged photo
  const QString root = Dest + "/Photos/";
  for (const char* file : {"a.html", "a_800x600.jpg", "a_64x64.jpg", "c.html", "index.html", "folders.html"})
    EXPECT_TRUE(QFileInfo::exists(root + file)) << file;
  EXPECT_FALSE(QFileInfo::exists(root + "main.html"));
  // The ring: a goes back to c and on to b.
  const QString a = PageText(root + "a.html");
  EXPECT_TRUE(a.contains("<a href=\"c.html\">previous</a>"));
  EXPECT_TRUE(a.contains("<a href=\"b.html\">next</a>"));
  EXPECT_TRUE(a.contains("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;x&quot;"));
  EXPECT_FALSE(a.contains("<script>"));
  EXPECT_TRUE(a.contains("one<BR>two &lt;%path%&gt;"));
  EXPECT_TRUE(PageText(root + "index.html").contains("url=a.html"));
  // A page named index would hide the folder's own: it becomes index_2.
  const QString oddFolder = root + "Odd <script> & \"#%=\" names/";
  EXPECT_TRUE(QFileInfo::exists(oddFolder + "index_2.html"));
  EXPECT_TRUE(PageText(oddFolder + "x #1 100%=.html").contains("<a href=\"index_2.html\">next</a>"));
  EXPECT_TRUE(PageText(root + "Empty/main.html").contains("No images"));
  EXPECT_TRUE(PageText(root + "Empty/index.html").contains("url=main.html"));
  // Each link on one line, climbing from its folder to the destination.
  EXPECT_TRUE(PageText(oddFolder + "Deeper/folders.html").contains("<a href=\"../../../Photos/index.html\">"));
  EXPECT_GT(CheckedLinks(), 40);

  // No attribute chosen: no <HR>.
  options.ShowName = options.ShowDescription = options.ShowLocation = options.ShowDateTime = false;
  TReport bare;
  ASSERT_TRUE(Export(plan, options, bare));
  EXPECT_FALSE(PageText(root + "b.html").contains("<HR>"));
  // Templates with the level placeholder on a line of its own still work.
  const QString oldStyle = Box.Path("old");
  ASSERT_TRUE(QDir().mkpath(oldStyle));
  for (const char* name : {"IndexTemplate.html", "ImagesTemplate.html", "MainTemplate.html"})
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_TEMPLATES) + "/" + name, oldStyle + "/" + name));
  Box.Write("old/RootTemplate.html", "<!DOCTYPE html>\n<html lang=\"en\"><head><title>Album</title></head><body><ul>\n"
                                     "<li><a href=\"\n<%level%>=\n<%path%>index.html\"><%root%></a>\n"
                                     "<%path%>=<%images%>\n<%folders%>\n</li></ul></body></html>\n");
  Box.Write("old/FoldersTemplate.html", "<li><a href=\"\n<%level%>\n<%path%>index.html\"><%folder%></a>\n"
                                        "<%path%>=<%images%>\n<%folders%>\n</li>\n");
  QDir(Dest).removeRecursively();
  ASSERT_TRUE(QDir().mkpath(Dest));
  options.TemplateFolder = oldStyle;
  options.Destination = Dest;
  TReport older;
  {
    TExportRun run(plan, options, older);
    ASSERT_TRUE(run.Prepare(Error)) << Error.toStdString();
    run.Start();
    EXPECT_TRUE(WaitFor([&] { return older.Done; }));
  }
  EXPECT_TRUE(PageText(oddFolder + "Deeper/folders.html").contains("\r\n../../../\r\nPhotos/"));
  EXPECT_TRUE(PageText(root + "folders.html").contains("\r\n../\r\nPhotos/index.html"));

  // Missing templates stop the run before anything is written.
  options.TemplateFolder = Box.Path("nowhere");
  options.Destination = Dest;
  TExportRun run(plan, options, bare);
  EXPECT_FALSE(run.Prepare(Error));
  EXPECT_EQ(Error, QStringLiteral("No templates found for HTML pages."));
}

// A HEIC photo: resized, a JPEG with the attributes in its EXIF items (and
// for other programs in XMP); full size, the photo and its sidecar; in an
// album, its JPEG page picture.
TEST_F(ExportTest, AHeicBecomesAJpegWithItsAttributesOrTravelsWithItsSidecar) {
  const QByteArray heic = EncodeHeif(Box, EncodeJpeg(Quadrants(400, 300)), "heic");
  TPhotoRecord photo = Photo("phone.heic", heic);
  photo->LoadAttributes();
  ChangeAttributes(*photo, [](TPhotoAttributes& a) {
    a.Name = "Strand";
    a.Location = "Scheveningen";
  });
  photo->Save();
  TExportPlan plan;
  plan.AddFolder(-1, "Photos");
  plan.Folders[0].Photos = {photo};

  TReport resized;
  ASSERT_TRUE(Export(plan, Resized(200, 200), resized));
  EXPECT_TRUE(resized.Errors.isEmpty()) << resized.Errors.join('\n').toStdString();
  const QString copy = Dest + "/Photos/phone_200x200.jpg";
  EXPECT_EQ(QImage(copy).size(), QSize(200, 150));
  EXPECT_GT(QImage(copy).pixelColor(20, 20).red(), 200);
  const QJsonObject tags = ExiftoolJson(copy, {"-u"});
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Strand"));
  TImageToDraw read(copy);
  read.LoadAttributes();
  EXPECT_EQ(read.Attributes().Source, TAttributeSource::Zelvane);  // the nine items
  EXPECT_EQ(read.Attributes().Location, QStringLiteral("Scheveningen"));

  TReport full;
  TExportOptions whole;
  whole.FullSize = true;
  ASSERT_TRUE(Export(plan, whole, full));
  EXPECT_EQ(ReadFile(Dest + "/Photos/phone.heic"), heic);
  EXPECT_EQ(ReadFile(Dest + "/Photos/phone.heic.xmp"), ReadFile(photo->FileName + ".xmp"));
  TImageToDraw copied(Dest + "/Photos/phone.heic");
  copied.LoadAttributes();
  EXPECT_EQ(copied.Attributes().Name, QStringLiteral("Strand"));
}
