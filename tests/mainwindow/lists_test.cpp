// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "formatsamples.h"
#include "imagelistcache.h"
#include "imagelistview.h"
#include "directorytree.h"
#include "imagetodraw.h"
#include "listoperations.h"
#include "listphotos.h"
#include "mainviewer.h"
#include "thumbnaildelegate.h"
#include "resultsortmodel.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

namespace {

QStringList Names(const QList<TPhotoRecord>& records) {
  QStringList names;
  for (const TPhotoRecord& r : records) names.append(r ? r->ShortName() : QString());
  return names;
}

QByteArray Marked(const char* name, const char* date, const char* location) {
  return WithItems(EncodeJpeg(Pattern(24, 16)), {AttributeItems::TextItem(61000, "Vorn Software"),
                                                 AttributeItems::TextItem(61001, name),
                                                 AttributeItems::TextItem(61003, date),
                                                 AttributeItems::TextItem(61004, location)});
}

}  // namespace

TEST(ResultSort, KeysIgnoreAsciiCaseAndTiesGoByFileName) {
  EXPECT_EQ(TResultSortModel::CompareText("anna", "ANNA"), 0);
  EXPECT_LT(TResultSortModel::CompareText("", "a"), 0);
  EXPECT_LT(TResultSortModel::CompareText("Zee", "é"), 0);  // other characters by code
  const auto recordA = std::make_shared<TImageToDraw>("/x/b.jpg");
  const auto recordB = std::make_shared<TImageToDraw>("/x/a.jpg");
  QStandardItemModel model;
  auto row = [&](const TPhotoRecord& record, const char* name, double date, const char* location, const char* file) {
    auto* item = new QStandardItem(QString::fromUtf8(name));
    if (record) item->setData(QVariant::fromValue(record), TPhotoListModel::RecordRole);
    item->setData(date, TPhotoListModel::DateTimeRole);
    item->setData(QString::fromUtf8(location), TPhotoListModel::LocationRole);
    item->setData(QString::fromUtf8(file), TPhotoListModel::FileNameRole);
    model.appendRow(item);
    return item->index();
  };
  const QModelIndex a = row(recordA, "Molen", 2.0, "Delft", "b.jpg");
  const QModelIndex b = row(recordB, "molen", 1.0, "Alkmaar", "a.jpg");
  const QModelIndex none = row(nullptr, "", 0.0, "", "");
  EXPECT_GT(TResultSortModel::Compare(a, b, 0), 0);  // same name: a.jpg first
  EXPECT_GT(TResultSortModel::Compare(a, b, 1), 0);  // b is older
  EXPECT_GT(TResultSortModel::Compare(a, b, 2), 0);  // Alkmaar before Delft
  EXPECT_EQ(TResultSortModel::Compare(none, a, 0), 0);
  // The date key orders like the text "yyyy/mm/dd hh:nn:ss", before 1899 too.
  // -1.25 is 29 December 1899 06:00, -1.75 the same day at 18:00.
  EXPECT_LT(TResultSortModel::DateKey(-1.25), TResultSortModel::DateKey(-1.75));
  EXPECT_LT(TResultSortModel::DateKey(-1.75), TResultSortModel::DateKey(0.0));
  EXPECT_EQ(TResultSortModel::DateKey(2.5), TResultSortModel::DateKey(2.5 + 0.4 / 86400.0));  // same second
}

TEST(MainLists, AFolderListsSortedAndResortsAsAttributesArrive) {
  TSandbox box;
  const QString folder = QDir(box.Path("")).absolutePath();
  box.Write("1.jpg", Marked("Zuid", "2001:01:01 00:00:00", "Utrecht"));
  box.Write("2.jpg", Marked("Noord", "2003:01:01 00:00:00", "Assen"));
  box.Write("3.JPG", Marked("noord", "2002:01:01 00:00:00", "Breda"));
  box.Write("broken.jpg", "not a picture");
  box.Write("notes.txt", "text");
  // A pipe named like a photo is not listed, and nothing waits on it.
  ASSERT_EQ(::mkfifo(QFile::encodeName(box.Path("4.jpg")).constData(), 0644), 0);
  TMainFormViewer window({folder}, box.Path("Zelvane.ini"));
  EXPECT_EQ(window.ResultModel()->rowCount(), 4);
  ASSERT_TRUE(WaitFor([&] {
    for (int row = 0; row < 4; ++row)
      if (!window.Cache()->IsReady(window.ResultModel()->RecordAt(row).get()))
        return false;
    return true;
  }));
  // By name: broken.jpg (named after its file), Noord and noord by file name,
  // then Zuid; the order follows the arriving names within a moment.
  const QStringList byName{"broken.jpg", "2.jpg", "3.JPG", "1.jpg"};
  ASSERT_TRUE(WaitFor([&] { return Names(window.ResultRecords()) == byName; }, 3000))
      << Names(window.ResultRecords()).join(' ').toStdString();
  // By date, oldest first; the damaged file has its file date (today).
  window.Action("ActionDate")->trigger();
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"1.jpg", "3.JPG", "2.jpg", "broken.jpg"}));
  window.Action("ActionLocation")->trigger();
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"broken.jpg", "2.jpg", "3.JPG", "1.jpg"}));
  EXPECT_EQ(window.Settings().ListSort, 2);
  // The damaged file still has an item, with the red error thumbnail and
  // its reason in the tool tip; the others show what a caption may cut off.
  const TPhotoRecord broken = window.ResultRecords().first();
  EXPECT_EQ(window.Cache()->Thumbnail(broken.get()).pixel(60, 60), qRgb(255, 0, 0));
  EXPECT_EQ(Child<QListView>(window, "ListViewResult")
                ->model()
                ->index(0, 0)
                .data(Qt::DecorationRole)
                .value<QImage>()
                .pixel(60, 60),
            qRgb(255, 0, 0));
  QStringList toolTips;
  for (int row = 0; row < 4; ++row)
    toolTips.append(window.ResultModel()->index(row, 0).data(Qt::ToolTipRole).toString());
  EXPECT_TRUE(toolTips.contains(QStringLiteral("Zuid\nJanuary 1, 2001\nUtrecht\n1.jpg")));
  const QStringList brokenTips = toolTips.filter(QRegularExpression(
      "^broken.jpg\n[^\n]+\nbroken.jpg\nError 13: not a picture in a format Zelvane can read$"));
  EXPECT_EQ(brokenTips.size(), 1) << toolTips.join("|").toStdString();

  // Every column of the detail rows sorts; a second click reverses, and the
  // choice is kept as ListSort (3 file name, 4 folder, 8 added: reversed).
  QHeaderView* header = Child<QTreeView>(window, "TreeViewResult")->header();
  const auto click = [&](int column) { emit header->sectionClicked(column); };
  click(3);
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"1.jpg", "2.jpg", "3.JPG", "broken.jpg"}));
  EXPECT_EQ(window.Settings().ListSort, 3);
  EXPECT_FALSE(window.Action("ActionName")->isChecked() || window.Action("ActionDate")->isChecked() ||
               window.Action("ActionLocation")->isChecked());
  click(3);
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"broken.jpg", "3.JPG", "2.jpg", "1.jpg"}));
  EXPECT_EQ(window.Settings().ListSort, 3 + 8);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  click(1);  // another column: ascending again
  EXPECT_EQ(window.Settings().ListSort, 1);
  EXPECT_TRUE(window.Action("ActionDate")->isChecked());
  click(1);
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"broken.jpg", "2.jpg", "3.JPG", "1.jpg"}));
  click(4);  // one folder: by file name within it
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"1.jpg", "2.jpg", "3.JPG", "broken.jpg"}));
  window.SetListSort(99);  // not an order: by name
  EXPECT_EQ(window.Settings().ListSort, 0);
}

TEST(MainLists, AnIconCaptionShowsTheEndOfALongName) {
  TSandbox box;
  TMainFormViewer window({QDir(box.Path("")).absolutePath()}, box.Path("Zelvane.ini"));
  window.show();
  const QFontMetrics metrics(Child<QListView>(window, "ListViewResult")->font());
  const int width = Child<QListView>(window, "ListViewResult")->iconSize().width() - 6;
  const QStringList lines = TThumbnailDelegate::CaptionLines(metrics, "photo_000123.jpg", width);
  ASSERT_LE(lines.size(), 2);
  EXPECT_TRUE(lines.last().endsWith("123.jpg")) << lines.join('|').toStdString();
  EXPECT_EQ(lines.join(QString()), QStringLiteral("photo_000123.jpg"));  // broken between its parts, nothing lost
  for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
  // Longer still: the start cut short, then the end whole.
  const QStringList longer =
      TThumbnailDelegate::CaptionLines(metrics, "Holiday at the seaside with everybody photo_000123.jpg", width);
  ASSERT_EQ(longer.size(), 2);
  EXPECT_TRUE(longer.first().startsWith("Holiday"));
  EXPECT_TRUE(longer.last().endsWith("123.jpg")) << longer.join('|').toStdString();
  EXPECT_TRUE(longer.first().endsWith(QChar(0x2026)));  // the middle left out
  EXPECT_EQ(TThumbnailDelegate::CaptionLines(metrics, "a.jpg", width), QStringList{"a.jpg"});
}

TEST(MainLists, PrintListAddRemoveAndMoveKeepCountAndOrder) {
  TSandbox box;
  const QString folder = QDir(box.Path("")).absolutePath();
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) box.Write(name, EncodeJpeg(Pattern(16, 16)));
  TMainFormViewer window({folder}, box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionPrint")->trigger();
  ASSERT_TRUE(window.Action("ActionAdd")->isEnabled());
  Child<QListView>(window, "ListViewResult")->selectAll();
  window.Action("ActionAdd")->trigger();
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg"}));
  EXPECT_EQ(window.PrintCaption(), QStringLiteral("Number of images selected: 4"));

  QItemSelectionModel* selection = Child<QListView>(window, "ListViewPrint")->selectionModel();
  auto selectRows = [&](std::initializer_list<int> rows) {
    selection->clearSelection();
    for (int row : rows)
      selection->select(window.PrintModel()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  };
  selectRows({0});
  window.Action("ActionMovePrevious")->trigger();  // the first item cannot go earlier
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg"}));
  window.Action("ActionMoveNext")->trigger();
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"b.jpg", "a.jpg", "c.jpg", "d.jpg"}));
  selectRows({3});
  window.Action("ActionMoveNext")->trigger();  // the last item cannot go later
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"b.jpg", "a.jpg", "c.jpg", "d.jpg"}));
  // A scattered selection is gathered into one block.
  selectRows({0, 2});
  window.Action("ActionMoveNext")->trigger();
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"a.jpg", "d.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(ListOperations::SelectedRows(*selection), (QList<int>{2, 3}));
  window.Action("ActionRemove")->trigger();
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"a.jpg", "d.jpg"}));
  EXPECT_EQ(window.PrintCaption(), QStringLiteral("Number of images selected: 2"));
  // The cache forgets removed rows: b.jpg is now shown by the result list only.
  const TPhotoRecord b = window.ResultRecords().at(1);
  EXPECT_EQ(window.Cache()->FindEntry(b->FileName)->Shown, 1);
}

TEST(MainLists, TenThousandFilesListAtOnce) {
  TSandbox box;
  const QString folder = QDir(box.Path("")).absolutePath();
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  QStringList files;
  for (int i = 0; i < 10000; ++i) files.append(box.Write(QStringLiteral("p%1.jpg").arg(i), jpeg));
  TMainFormViewer window({box.Path("Zelvane.ini").section('/', 0, -2) + "/none"}, box.Path("Zelvane.ini"));
  // All at once, in one call (zelvane-bench list measures how fast).
  window.ShowFiles(files);
  EXPECT_EQ(window.ResultModel()->rowCount(), 10000);
}

TEST(MainLists, DropsOnThePrintListAddFromTheResultAndMoveWithinItself) {
  TSandbox box;
  const QString folder = QDir(box.Path("")).absolutePath();
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) box.Write(name, EncodeJpeg(Pattern(16, 16)));
  TMainFormViewer window({folder}, box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionPrint")->trigger();
  auto* print = qobject_cast<TImageListView*>(Child<QListView>(window, "ListViewPrint"));
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->AcceptsSource(Child<QListView>(window, "ListViewResult")));
  EXPECT_TRUE(print->AcceptsSource(Child<QListView>(window, "ListViewPrint")));
  EXPECT_FALSE(print->AcceptsSource(window.DirectoryTree()));
  EXPECT_FALSE(print->AcceptsSource(nullptr));  // from another program
  // An empty list takes a drop at its end.
  EXPECT_EQ(print->DropIndexAt(QPoint(5, 5)), 0);

  Child<QListView>(window, "ListViewResult")->selectAll();
  // What a drag from either list carries: row numbers, with no complaint
  // about data that cannot be written (the items hold record pointers).
  static QStringList messages;
  messages.clear();
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& text) { messages.append(text); });
  std::unique_ptr<QMimeData> dragged(
      Child<QListView>(window, "ListViewResult")
          ->model()
          ->mimeData(Child<QListView>(window, "ListViewResult")->selectionModel()->selectedIndexes()));
  qInstallMessageHandler(previous);
  EXPECT_EQ(messages, QStringList());
  ASSERT_NE(dragged, nullptr);
  EXPECT_EQ(dragged->data("application/x-zelvane-photo-rows"), QByteArray("0 1 2"));
  window.DropOnList(Child<QListView>(window, "ListViewPrint"), Child<QListView>(window, "ListViewResult"), 0);
  Child<QListView>(window, "ListViewResult")->selectionModel()->clearSelection();
  Child<QListView>(window, "ListViewResult")
      ->selectionModel()
      ->select(Child<QListView>(window, "ListViewResult")->model()->index(2, 0),
               QItemSelectionModel::Select | QItemSelectionModel::Rows);
  window.DropOnList(Child<QListView>(window, "ListViewPrint"), Child<QListView>(window, "ListViewResult"),
                    1);  // c.jpg again, at the second place
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"a.jpg", "c.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(window.PrintCaption(), QStringLiteral("Number of images selected: 4"));
  QItemSelectionModel* selection = Child<QListView>(window, "ListViewPrint")->selectionModel();
  selection->clearSelection();
  selection->select(window.PrintModel()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  window.DropOnList(Child<QListView>(window, "ListViewPrint"), Child<QListView>(window, "ListViewPrint"),
                    3);  // a.jpg dropped on the last item
  EXPECT_EQ(Names(window.PrintModel()->Records()), (QStringList{"c.jpg", "b.jpg", "a.jpg", "c.jpg"}));
  window.DropOnList(Child<QListView>(window, "ListViewPrint"), window.DirectoryTree(),
                    0);  // not a source the list takes
  EXPECT_EQ(window.PrintModel()->rowCount(), 4);
}

TEST(MainLists, AClickedPhotoIsTheSelectionInBothResultStyles) {
  TSandbox box;
  const QString folder = QDir(box.Path("")).absolutePath();
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) box.Write(name, EncodeJpeg(Pattern(16, 16)));
  TMainFormViewer window({folder}, box.Path("Zelvane.ini"));
  QListView* icons = Child<QListView>(window, "ListViewResult");
  // Laid out before any thumbnail is in, every item has room for one and its
  // caption: no later change of order lays the list out again.
  icons->doItemsLayout();
  EXPECT_GE(icons->visualRect(icons->model()->index(0, 0)).height(), 64 + icons->fontMetrics().height());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, icons->visualRect(icons->model()->index(1, 0)).center());
  EXPECT_EQ(Names(window.SelectedResultRecords()), QStringList{"b.jpg"});
  window.Action("ActionDetails")->trigger();
  QTreeView* rows = Child<QTreeView>(window, "TreeViewResult");
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(2, 0)).center());
  EXPECT_EQ(Names(window.SelectedResultRecords()), QStringList{"c.jpg"});
  // Ctrl+Down in the print view adds it.
  window.Action("ActionPrint")->trigger();
  QApplication::setActiveWindow(&window);
  rows->setFocus();
  QTest::keyClick(rows, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Names(window.PrintModel()->Records()), QStringList{"c.jpg"});
}

// What a window gets from a list: with fewer than two photos selected every
// photo from the selected one (else from the first), with more only the
// selected ones in list order; rows without a record are skipped, and only
// the first column says which rows are selected.
TEST(ListPhotos, TheWholeListFromTheSelectedOneOrOnlyASelectionOfSeveral) {
  std::vector<TPhotoRecord> records;
  QStandardItemModel model;
  for (int i = 0; i < 6; ++i) {
    records.push_back(std::make_shared<TImageToDraw>(QStringLiteral("/nowhere/p%1.jpg").arg(i)));
    auto* item = new QStandardItem;
    if (i != 2) item->setData(QVariant::fromValue(records.back()), TPhotoListModel::RecordRole);
    model.appendRow({item, new QStandardItem});
  }
  QItemSelectionModel selection(&model);
  const auto photo = [&](int i) { return records[size_t(i)]; };

  TListPhotos none = TListPhotos::From(&model, &selection);
  EXPECT_EQ(none.Records, (QList<TPhotoRecord>{photo(0), photo(1), photo(3), photo(4), photo(5)}));
  EXPECT_EQ(none.Index, 0);

  selection.select(model.index(4, 0), QItemSelectionModel::Select);
  TListPhotos one = TListPhotos::From(&model, &selection);
  EXPECT_EQ(one.Records.size(), 5);
  EXPECT_EQ(one.Index, 3);  // the record row 2 lacks does not count
  EXPECT_EQ(one.Records.at(one.Index), photo(4));

  selection.select(model.index(1, 1), QItemSelectionModel::Select);  // a second column: no row
  EXPECT_EQ(TListPhotos::From(&model, &selection).Records.size(), 5);

  selection.select(model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selection.select(model.index(5, 0), QItemSelectionModel::Select);
  TListPhotos several = TListPhotos::From(&model, &selection);
  EXPECT_EQ(several.Records, (QList<TPhotoRecord>{photo(1), photo(4), photo(5)}));
  EXPECT_EQ(several.Index, 0);

  EXPECT_TRUE(TListPhotos::From(nullptr, nullptr).Records.isEmpty());
}

// A phone's and a camera's folder: every format listed with its thumbnail
// and attributes, a raw + JPEG pair as two photos, the sidecars not at all.
TEST(MainLists, APhoneAndCameraFolderListsEveryFormat) {
  TSandbox box;
  const QString folder = QDir(box.Path("")).absolutePath();
  const QImage picture = Pattern(120, 80);
  box.Write("IMG_0001.HEIC", EncodeHeif(box, EncodeJpeg(picture), "heic", 96));
  box.Write("IMG_0002.webp", EncodeWebp(box, picture));
  box.Write("DSC_0003.NEF", MakeRaw(picture, {EncodeJpeg(Pattern(300, 200))}, 6, "2001:02:03 04:05:06"));
  box.Write("DSC_0003.JPG", EncodeJpeg(picture));
  box.Write("DSC_0003.NEF.xmp", "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>");
  TMainFormViewer window({folder}, box.Path("Zelvane.ini"));
  ASSERT_EQ(window.ResultModel()->rowCount(), 4);
  ASSERT_TRUE(WaitFor([&] {
    for (int row = 0; row < 4; ++row)
      if (!window.Cache()->IsReady(window.ResultModel()->RecordAt(row).get())) return false;
    return true;
  }));
  QStringList names = Names(window.ResultRecords());
  names.sort();
  EXPECT_EQ(names, (QStringList{"DSC_0003.JPG", "DSC_0003.NEF", "IMG_0001.HEIC", "IMG_0002.webp"}));
  for (int row = 0; row < 4; ++row) {
    const TPhotoRecord record = window.ResultModel()->RecordAt(row);
    SCOPED_TRACE(record->ShortName().toStdString());
    EXPECT_TRUE(record->LoadFailure().Message.isEmpty()) << record->LoadFailure().Line().toStdString();
    const QImage thumb = window.Cache()->Thumbnail(record.get());
    ASSERT_FALSE(thumb.isNull());
    // The raw file stands upright (its orientation 6): taller than wide.
    const bool upright = record->ShortName().endsWith("NEF");
    EXPECT_EQ(upright ? 90 : 0, record->Attributes().Rotation);
    const QColor edge = thumb.pixelColor(1, thumb.height() / 2);
    const QColor top = thumb.pixelColor(thumb.width() / 2, 1);
    EXPECT_EQ(edge == thumb.pixelColor(0, 0), upright) << "the left edge is background only when turned";
    EXPECT_EQ(top == thumb.pixelColor(0, 0), !upright);
  }
}
