// SPDX-License-Identifier: GPL-3.0-or-later
#include "photolistmodel.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QSignalSpy>

#include "attributeitems.h"
#include "imagelistcache.h"
#include "imagetodraw.h"
#include "listoperations.h"
#include "resultsortmodel.h"
#include "testsupport.h"

using namespace TestSupport;

namespace {

QByteArray Marked(const char* name, const char* date, const char* location) {
  return WithItems(EncodeJpeg(Pattern(24, 16)),
                   {AttributeItems::TextItem(61000, "Vorn Software"), AttributeItems::TextItem(61001, name),
                    AttributeItems::TextItem(61003, date), AttributeItems::TextItem(61004, location)});
}

QStringList Captions(const TPhotoListModel& model) {
  QStringList captions;
  for (int row = 0; row < model.rowCount(); ++row) captions.append(model.Caption(row));
  return captions;
}

bool AllReady(const TImageListCache& cache, const TPhotoListModel& model) {
  for (int row = 0; row < model.rowCount(); ++row)
    if (!cache.IsReady(model.RecordAt(row).get())) return false;
  return true;
}

}  // namespace

// 10,000 rows, half of them a marked photo of 2004, half an unmarked one
// (named after its file, dated by the file); the result list's proxy sorts
// them by date while the attributes arrive. The model tester checks every
// signal of both models as it comes.
TEST(PhotoListModel, TenThousandRowsShowSortAndUpdateAsThumbnailsArrive) {
  TSandbox box;
  const QString marked = box.Write("marked.jpg", Marked("Molen", "2004:07:15 14:03:22", "Kinderdijk"));
  const QString plain = box.Write("plain.jpg", EncodeJpeg(Pattern(24, 16)));
  ASSERT_TRUE(QDir().mkpath(box.Path("many")));
  TImageListCache cache;
  QList<TPhotoRecord> records;
  for (int i = 0; i < 10000; ++i) {
    const QString path = box.Path(QStringLiteral("many/%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
    ASSERT_EQ(::link(QFile::encodeName(i % 2 ? plain : marked).constData(), QFile::encodeName(path).constData()), 0);
    records.append(cache.GetImageRecord(path));
  }
  TPhotoListModel model(&cache);
  const QAbstractItemModelTester modelTester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  TResultSortModel sorted;
  sorted.setSourceModel(&model);
  sorted.SetListSort(TResultSortModel::SortDate);
  const QAbstractItemModelTester sortTester(&sorted, QAbstractItemModelTester::FailureReportingMode::Fatal);

  model.ReplaceRows(records);
  ASSERT_EQ(model.rowCount(), 10000);
  EXPECT_EQ(model.columnCount(), 5);
  // Until read: the file name and a blank thumbnail.
  EXPECT_EQ(model.Caption(0), QStringLiteral("00000.jpg"));
  EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral("00000.jpg"));
  EXPECT_EQ(model.index(0, 4).data().toString(), QFileInfo(box.Path("many")).filePath());
  // Generous: the sanitizer builds render 10,000 thumbnails several times slower.
  ASSERT_TRUE(WaitFor([&] { return AllReady(cache, model); }, 300000));
  QCoreApplication::processEvents();  // the last batch reaches the views
  EXPECT_EQ(model.Caption(0), QStringLiteral("Molen"));
  EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("July 15, 2004"));
  EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("Kinderdijk"));
  EXPECT_EQ(model.Caption(1), QStringLiteral("00001.jpg"));
  EXPECT_EQ(model.index(1, 2).data().toString(), QString());
  // Each row shows its photo's thumbnail while the cache keeps it decoded
  // (the 4,000 last made), else the blank.
  int withThumbnail = 0;
  for (int row = 0; row < 10000; ++row) {
    const QImage thumb = model.index(row, 0).data(Qt::DecorationRole).value<QImage>();
    ASSERT_EQ(thumb, cache.Thumbnail(records[row].get())) << row;
    if (!(thumb == cache.Blank())) ++withThumbnail;
  }
  EXPECT_EQ(withThumbnail, cache.ResidentCount());
  EXPECT_EQ(withThumbnail, 4000);
  // Sorted by date, the photos of 2004 come first, each date by file name.
  sorted.Resort();
  for (int row = 0; row < 10000; ++row) {
    const QString caption = sorted.index(row, 0).data().toString();
    ASSERT_EQ(caption == QStringLiteral("Molen"), row < 5000) << row;
  }
  EXPECT_EQ(sorted.index(0, 3).data().toString(), QStringLiteral("00000.jpg"));
  EXPECT_EQ(sorted.index(5000, 3).data().toString(), QStringLiteral("00001.jpg"));
  // Replacing the rows hides the old ones from the cache.
  model.ReplaceRows({});
  EXPECT_EQ(cache.FindEntry(records[0]->FileName)->Shown, 0);
}

// Rows are inserted, moved and removed as the print and export lists do; a
// photo shown twice counts twice with the cache, and a photo read already
// shows its attributes from the start.
TEST(PhotoListModel, RowsComeAndGoAndTellTheCacheWhatIsShown) {
  TSandbox box;
  TImageListCache cache;
  QList<TPhotoRecord> records;
  for (const char* name : {"a", "b", "c", "d"})
    records.append(cache.GetImageRecord(
        box.Write(QStringLiteral("%1.jpg").arg(QLatin1String(name)), Marked(name, "2001:01:01 00:00:00", "Assen"))));
  auto model = std::make_unique<TPhotoListModel>(&cache);
  auto tester = std::make_unique<QAbstractItemModelTester>(model.get(),
                                                           QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(model->Insert(99, {records[0], records[1]}), 2);  // at the end
  EXPECT_EQ(model->Insert(-5, {records[2]}), 1);              // at the start
  EXPECT_EQ(model->Insert(1, {records[3], records[0]}), 2);
  EXPECT_EQ(model->Insert(0, {nullptr}), 0);
  EXPECT_EQ(Captions(*model), (QStringList{"c.jpg", "d.jpg", "a.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(cache.FindEntry(records[0]->FileName)->Shown, 2);
  // The rows show the names once the cache's batch reached them.
  ASSERT_TRUE(WaitFor([&] { return Captions(*model) == QStringList{"c", "d", "a", "a", "b"}; }))
      << Captions(*model).join(u' ').toStdString();
  EXPECT_TRUE(model->index(2, 0)
                  .data(Qt::ToolTipRole)
                  .toString()
                  .startsWith(QStringLiteral("a\nJanuary 1, 2001\nAssen\na.jpg")));

  QItemSelectionModel selection(model.get(), nullptr);  // not a child of the model, which goes first
  selection.select(model->index(0, 0), QItemSelectionModel::Select);
  selection.select(model->index(3, 0), QItemSelectionModel::Select);
  ListOperations::MoveSelection(*model, selection, 5);  // c and the second a to the end
  EXPECT_EQ(Captions(*model), (QStringList{"d", "a", "b", "c", "a"}));
  EXPECT_EQ(ListOperations::SelectedRows(selection), (QList<int>{3, 4}));
  EXPECT_EQ(ListOperations::RemoveSelection(*model, selection), (QList<TPhotoRecord>{records[2], records[0]}));
  EXPECT_EQ(Captions(*model), (QStringList{"d", "a", "b"}));
  EXPECT_EQ(cache.FindEntry(records[0]->FileName)->Shown, 1);
  EXPECT_EQ(cache.FindEntry(records[2]->FileName)->Shown, 0);
  EXPECT_TRUE(ListOperations::RemoveFirst(*model, records[1].get()));
  EXPECT_FALSE(ListOperations::RemoveFirst(*model, records[2].get()));

  // Added once read, a photo shows its name at once, and a save reaches
  // every row that shows it.
  TPhotoListModel other(&cache);
  other.Insert(0, {records[0]});
  EXPECT_EQ(other.Caption(0), QStringLiteral("a"));
  QSignalSpy changed(&other, &QAbstractItemModel::dataChanged);
  TPhotoAttributes attributes = records[0]->Attributes();
  attributes.Name = QStringLiteral("Anker");
  records[0]->SetAttributes(attributes);
  records[0]->Save();
  ASSERT_TRUE(WaitFor([&] { return other.Caption(0) == QStringLiteral("Anker"); }));
  EXPECT_EQ(model->Caption(1), QStringLiteral("Anker"));
  // Texts and thumbnail in one signal: they arrived in one batch.
  ASSERT_EQ(changed.count(), 1);
  const QList<int> roles = changed.first().at(2).value<QList<int>>();
  EXPECT_TRUE(roles.contains(Qt::DisplayRole) && roles.contains(Qt::DecorationRole));

  tester.reset();
  model.reset();  // its rows are hidden with it
  EXPECT_EQ(cache.FindEntry(records[3]->FileName)->Shown, 0);
  EXPECT_EQ(cache.FindEntry(records[0]->FileName)->Shown, 1);  // the other list's row
}

TEST(PhotoListModel, ADragCarriesOnlyTheRowNumbers) {
  TImageListCache cache;
  TPhotoListModel model(&cache);
  model.Insert(0, {std::make_shared<TImageToDraw>("/nowhere/a.jpg"), std::make_shared<TImageToDraw>("/nowhere/b.jpg"),
                   std::make_shared<TImageToDraw>("/nowhere/c.jpg")});
  EXPECT_EQ(model.mimeTypes(), QStringList{TPhotoListModel::MimeType});
  std::unique_ptr<QMimeData> data(model.mimeData({model.index(2, 0), model.index(0, 0), model.index(2, 3)}));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->data(TPhotoListModel::MimeType), QByteArray("0 2"));
  EXPECT_EQ(model.mimeData({}), nullptr);
  EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsDragEnabled);
  EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}
