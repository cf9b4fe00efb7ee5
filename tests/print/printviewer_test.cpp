// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "numericupdown.h"
#include "printergeometry.h"
#include "delayedrepaint.h"
#include "dialogsupport.h"
#include "photoregistry.h"
#include "printviewer.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <QFileInfo>
#include <QPrintDialog>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

class PrintViewerTest : public ::testing::Test {
protected:
  void AddPhotos(int count, const QString& source) {
    for (int i = 0; i < count; ++i) {
      const QString name = Box.Path(QStringLiteral("p%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
      ASSERT_EQ(::link(source.toLocal8Bit().constData(), name.toLocal8Bit().constData()), 0);
      Records.push_back(std::make_shared<TImageToDraw>(name));
      Photos.append(Records.back());
    }
  }
  std::unique_ptr<TPrintLayoutFormViewer> Open() {
    auto form = std::make_unique<TPrintLayoutFormViewer>();
    form->SetImages(Photos);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
  }
  // Every view of the shown page rendered.
  static bool PageRendered(TPrintLayoutFormViewer& form, int first, int count) {
    Child<TImageViewer>(form, "pagePreview")->repaint();
    for (int i = first; i < first + count; ++i) {
      const TImageScaled* view = form.PageViews().View(i);
      if (!view || form.PageViews().IsBusy(i) || view->Bitmap.isNull()) return false;
    }
    return true;
  }

  TSandbox Box;
  std::vector<TPhotoRecord> Records;
  QList<TPhotoRecord> Photos;
};

}  // namespace

TEST_F(PrintViewerTest, PagesShowTheirPhotosAndRepaintOncePerBurst) {
  AddPhotos(5, Box.Copy("DSCN0010.jpg", "source.jpg"));
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Zelvane - Print images"));
  EXPECT_EQ(Child<QLineEdit>(form, "EditImages")->text(), QStringLiteral("5"));
  EXPECT_EQ(form->PageCount(), 2);  // 5 at 2 × 2
  Child<TNumericUpDown>(form, "NUpDownPage")->SetValue(2);
  EXPECT_NE(form->PageViews().View(4), nullptr);  // page 2: the fifth photo alone
  EXPECT_EQ(form->PageViews().View(0), nullptr);
  // A burst of changes gives one repaint, three ticks of 200 ms after the
  // last (counted on a manual clock rather than waited for).
  ASSERT_TRUE(WaitFor(
      [&] { return !Child<TDelayedRepaint>(form, "TimerRepaint")->IsWaiting() && form->PageViews().IsIdle(); }));
  Child<TDelayedRepaint>(form, "TimerRepaint")->SetClock(TDelayedRepaint::TClock::Manual);
  const int before = form->RepaintCount();
  for (int i = 0; i < 3; ++i) {
    form->ScheduleRepaint();
    Child<TDelayedRepaint>(form, "TimerRepaint")->Tick();  // each change starts the countdown again
  }
  Child<TDelayedRepaint>(form, "TimerRepaint")->Tick();
  EXPECT_TRUE(Child<TDelayedRepaint>(form, "TimerRepaint")->IsWaiting());
  EXPECT_EQ(form->RepaintCount(), before);
  Child<TDelayedRepaint>(form, "TimerRepaint")->Tick();
  EXPECT_FALSE(Child<TDelayedRepaint>(form, "TimerRepaint")->IsWaiting());
  EXPECT_EQ(form->RepaintCount(), before + 1);
  Child<TDelayedRepaint>(form, "TimerRepaint")->Tick();  // a spare tick repaints nothing more
  EXPECT_EQ(form->RepaintCount(), before + 1);
  EXPECT_EQ(TDelayedRepaint::TickMs * TDelayedRepaint::Ticks, 600);
  Child<TNumericUpDown>(form, "NUpDownCols")->SetValue(5);
  EXPECT_EQ(form->PageCount(), 1);  // 2 × 5
  EXPECT_EQ(form->ShownPage(), 1);
}

TEST_F(PrintViewerTest, LayoutFilesLoadSaveAndResetAndTheCellsFollowTheOrientation) {
  AddPhotos(5, Box.Copy("DSCN0010.jpg", "source.jpg"));
  auto form = Open();
  TPrintLayout layout;
  layout.Rows = 3;
  layout.Columns = 1;
  layout.Landscape = false;
  layout.TextMode = TPrintLayout::TTextMode::Name;
  layout.Margin = 4;
  form->SetLayout(layout);
  EXPECT_TRUE(Child<QRadioButton>(form, "RadioPortrait")->isChecked());
  EXPECT_EQ(Printer::PrinterOrientation(), 0);
  EXPECT_EQ(form->PageCount(), 2);
  const QString path = Box.Path("mine.vzp");
  ASSERT_TRUE(form->SaveFile(path));
  form->ActionDefaultExecute();
  EXPECT_EQ(form->Layout(), TPrintLayout());
  EXPECT_EQ(form->PageCount(), 2);
  // A good file loads without a word.
  bool loaded = false;
  EXPECT_EQ(MessageShownBy([&] { loaded = form->LoadFile(path); }), QString());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(form->Layout(), layout);
  // A damaged one says what was corrected, and applies the corrected layout.
  const QString damaged = Box.Write("damaged.vzp", QByteArray(ReadFile(path)).replace("ROWS=3", "ROWS=25"));
  const QString note = MessageShownBy([&] { loaded = form->LoadFile(damaged); });
  EXPECT_TRUE(loaded);
  EXPECT_EQ(note, QStringLiteral("Some settings of %1 were corrected:\nROWS: 25 is outside 1..10; using 10").arg(damaged));
  EXPECT_EQ(form->Layout().Rows, 10);
  ASSERT_TRUE(form->LoadFile(path));
  EXPECT_EQ(form->Layout(), layout);
  // The printer cells follow the orientation: portrait paper, 3 rows.
  const auto& cells = form->PrinterPage().Cells;
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_LT(form->PrinterPage().Geometry.Physical.width(), form->PrinterPage().Geometry.Physical.height());
}

TEST_F(PrintViewerTest, ATenByTenPageHoldsNoDecodedPhotoAndClosingWhileRenderingIsSafe) {
  AddPhotos(100, Box.Copy("casio_ex_z750.jpg", "source.jpg"));
  {
    auto form = Open();
    TPrintLayout layout;
    layout.Rows = layout.Columns = 10;
    form->SetLayout(layout);
    ASSERT_TRUE(WaitFor([&] { return PageRendered(*form, 0, 100); }, 60000));
    for (const auto& record : Records) EXPECT_FALSE(record->IsLoaded());
  }
  // Closed and freed at once while the cells are being rendered.
  auto form = Open();
  TPrintLayout layout;
  layout.Rows = layout.Columns = 10;
  form->SetLayout(layout);
  Child<TImageViewer>(form, "pagePreview")->repaint();
  EXPECT_FALSE(form->PageViews().IsIdle());
  form->close();
  form.reset();
}

TEST_F(PrintViewerTest, TheLastLayoutComesBackAndIsKeptInTheSettings) {
  AddPhotos(2, Box.Copy("DSCN0010.jpg", "source.jpg"));
  TPrintLayout layout;
  layout.Rows = 3;
  layout.Columns = 1;
  layout.TextMode = TPrintLayout::TTextMode::Name;
  layout.Margin = 6;
  layout.FontFamily = QStringLiteral("Liberation Serif");
  {
    auto form = Open();
    form->SetLayout(layout);
  }
  EXPECT_TRUE(ProcessSettings().PrintLayout.startsWith("PRINT\r\nROWS=3\r\nCOLS=1\r\n"));
  // Through the settings file, as between two runs.
  const QString ini = Box.Path("Zelvane.ini");
  TPhotoSettings settings;
  TPhotoRegistry(ini).SaveSettings(settings, ProcessSettings());
  ProcessSettings() = TProcessSettings();
  TPhotoRegistry(ini).LoadSettings(settings, ProcessSettings());
  {
    auto form = Open();
    EXPECT_EQ(form->Layout(), layout);
    form->ActionDefaultExecute();  // Defaults resets it, and that is kept
  }
  auto again = Open();
  EXPECT_EQ(again->Layout(), TPrintLayout());
}

TEST_F(PrintViewerTest, APrintSaysHowManyPagesWentWhere) {
  AddPhotos(3, Box.Copy("DSCN0010.jpg", "source.jpg"));
  auto form = Open();
  TPrintLayout layout;
  layout.Rows = 1;
  layout.Columns = 2;
  form->SetLayout(layout);  // three photos, two a page: two pages
  QPrinter& printer = Printer::Current();
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = Box.Path("out.pdf");
  printer.setOutputFileName(pdf);
  EXPECT_EQ(form->Outcome(), QString());
  AnswerDialogs([&] { form->Action("ActionPrint")->trigger(); }, [](QDialog* dialog) {
    if (qobject_cast<QPrintDialog*>(dialog)) dialog->accept();
  });
  ASSERT_TRUE(WaitFor([&] { return !form->Outcome().isEmpty(); }, 20000));
  EXPECT_EQ(form->Outcome(), QStringLiteral("Printed 2 pages to %1").arg(pdf));
  EXPECT_GT(QFileInfo(pdf).size(), 0);
}
