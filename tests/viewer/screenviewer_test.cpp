// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "datetime.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "screenviewer.h"
#include "testsupport.h"

#include <QApplication>
#include <QWheelEvent>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// Photos in a list, as the main window hands them over, and the viewer on it.
class ScreenViewerTest : public ::testing::Test {
protected:
  TImageToDraw* Add(const QString& path) {
    Records.push_back(std::make_shared<TImageToDraw>(path));
    Photos.append(Records.back());
    return Records.back().get();
  }
  // A dark photo with its attributes.
  TImageToDraw* AddDark(const QString& name, const char* title) {
    QImage dark(400, 300, QImage::Format_RGB32);
    dark.fill(QColor(50, 50, 60));
    return Add(Box.Write(name, WithItems(EncodeJpeg(dark), {AttributeItems::TextItem(61000, "Vorn Software"),
                                                            AttributeItems::TextItem(61001, title),
                                                            AttributeItems::TextItem(61002, "one\r\ntwo"),
                                                            AttributeItems::TextItem(61003, "2004:07:15 09:05:00"),
                                                            AttributeItems::TextItem(61004, "Delft")})));
  }
  TFullScreenViewer* Open(const QString& showOnViewer = "N;", const QString& slideShow = "3;1") {
    Viewer = std::make_unique<TFullScreenViewer>();
    Viewer->ShowOnViewer = showOnViewer;
    Viewer->SlideShow = slideShow;
    Viewer->SetPhotos(Photos, 0);
    QObject::connect(Viewer.get(), &TFullScreenViewer::PhotoDrawn, [this](int index) { Drawn.append(index); });
    Viewer->showFullScreen();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Viewer.get()));
    return Viewer.get();
  }
  // Waits until a paint drew the photo at index.
  bool WaitDrawn(int index) {
    Drawn.clear();
    Child<TImageViewer>(Viewer, "ViewerFullSize")->update();
    return WaitFor([&] { return Drawn.contains(index); });
  }
  [[nodiscard]] QImage Screen() const { return Child<TImageViewer>(Viewer, "ViewerFullSize")->grab().toImage(); }
  static int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
  }
  static bool Yellow(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; }
  static bool Red(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
  void Trigger(const char* name) { Viewer->Action(QString::fromLatin1(name))->trigger(); }

  TSandbox Box;
  std::vector<TPhotoRecord> Records;  // outlive the viewer
  QList<TPhotoRecord> Photos;
  std::unique_ptr<TFullScreenViewer> Viewer;
  QList<int> Drawn;
};

}  // namespace

TEST_F(ScreenViewerTest, CommandsMenuAndSettingsStringsOnClose) {
  AddDark("a.jpg", "Anna");
  TFullScreenViewer* viewer = Open("T;x;n", "5;0");
  EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Zelvane - View images"));
  EXPECT_TRUE(viewer->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(viewer->isFullScreen());
  const std::vector<std::tuple<const char*, const char*, const char*, const char*>> table = {
      {"ActionName", "Name", "Alt+N", "Show name"}, {"ActionTime", "Date and time", "Alt+T", "Show date and time"},
      {"ActionNext", "Next image", "PgDown", "Next image"}, {"ActionStartSlideShow", "Start", "S", "Start slide show"},
      {"ActionSlideShowSettings", "Settings", "Alt+S", "Set slide show settings"},
      {"ActionROI", "ROI", "I", "ROI"}, {"ActionClose", "Close", "Esc", "Close"},
      {"ActionMoveRight", "Move right", "Right", "Move right"}};
  for (const auto& [name, caption, shortcut, hint] : table) {
    QAction* action = viewer->Action(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), QString::fromLatin1(caption)) << name;
    EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(shortcut)) << name;
    EXPECT_EQ(action->toolTip(), QString::fromLatin1(hint)) << name;
  }
  EXPECT_EQ(viewer->Actions().size(), 24);
  EXPECT_EQ(viewer->Action("ActionZoomOut")->property("category").toString(), QStringLiteral("Size"));
  QStringList menu;
  for (QAction* a : Child<QMenu>(viewer, "PopupMenuViewer")->actions()) menu.append(a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(menu.join(','), QStringLiteral("Show,-,First image,Previous image,Next image,Last image,-,Slide show,-,"
                                           "Rotate left,Rotate right,-,Full size,Zoom to fit,ROI,-,Zoom in,Zoom out,"
                                           "Reset zoom,-,Help,Close"));
  // The strings came in (bad codes ignored) and go out on every close.
  EXPECT_TRUE(viewer->Action("ActionName")->isChecked());
  EXPECT_TRUE(viewer->Action("ActionTime")->isChecked());
  EXPECT_FALSE(viewer->Action("ActionDescr")->isChecked());
  EXPECT_EQ(viewer->Seconds, 5);
  EXPECT_FALSE(viewer->RepeatShow);
  EXPECT_FALSE(viewer->Action("ActionFirst")->isEnabled());  // one photo: nowhere to go
  EXPECT_FALSE(viewer->Action("ActionNext")->isEnabled());
  EXPECT_FALSE(viewer->Action("ActionMoveLeft")->isEnabled());  // fit mode
  Trigger("ActionTime");
  Trigger("ActionLoc");
  QTest::keyClick(viewer, Qt::Key_Escape);
  EXPECT_FALSE(viewer->isVisible());
  EXPECT_EQ(viewer->ShowOnViewer, QStringLiteral("N;L;"));
  EXPECT_EQ(viewer->SlideShow, QStringLiteral("5;0"));
}

TEST_F(ScreenViewerTest, CaptionLinesAtTheTopLeftOnlyWhileShowCommandsAreOn) {
  AddDark("a.jpg", "Anna");
  Open("N;D;L;T;");
  ASSERT_TRUE(WaitDrawn(0));
  const QRect corner(0, 0, 300, 130);
  const int all = CountPixels(Screen(), corner, Yellow);
  EXPECT_GT(all, 200);
  // Five lines (the description has two): the lowest text sits well below one line.
  EXPECT_GT(CountPixels(Screen(), QRect(0, 100, 300, 30), Yellow), 10);
  for (const char* name : {"ActionName", "ActionDescr", "ActionLoc", "ActionTime"}) Trigger(name);
  ASSERT_TRUE(WaitDrawn(0));
  EXPECT_EQ(CountPixels(Screen(), corner, Yellow), 0);
  Viewer->close();
  EXPECT_EQ(Viewer->ShowOnViewer, QString());
  EXPECT_EQ(DateTimeUtil::ToLongDateTimeText(DateTimeUtil::FromAttributeText("2004:07:15 09:05:00")),
            QStringLiteral("July 15, 2004 09:05:00").replace(u':', DateTimeUtil::TimeSeparator()));
}

TEST_F(ScreenViewerTest, TheNextPhotoIsPreparedAndNextDrawsItWithoutAJob) {
  for (int i = 0; i < 3; ++i) Add(Box.Copy("casio_ex_z750.jpg", QStringLiteral("c%1.jpg").arg(i)));
  TFullScreenViewer* viewer = Open();
  ASSERT_TRUE(WaitDrawn(0));
  const TViewLoader& loader = viewer->Loader();
  ASSERT_TRUE(WaitFor([&] { return loader.Prepared() && loader.IsReady(loader.Prepared()); }));
  EXPECT_EQ(loader.Prepared()->ImageToDraw, Records[1].get());
  const int rendered = loader.RenderCount();
  Drawn.clear();
  Trigger("ActionNext");
  Child<TImageViewer>(viewer, "ViewerFullSize")->repaint();  // one paint, no waiting
  EXPECT_EQ(Drawn, QList<int>{1});
  EXPECT_EQ(loader.RenderCount(), rendered);
  // A change of size mode drops the prepared photo; the new mode's comes later.
  ASSERT_TRUE(WaitFor([&] { return loader.Prepared() && loader.IsReady(loader.Prepared()); }));
  Trigger("ActionROI");
  EXPECT_EQ(loader.Prepared(), nullptr);
  ASSERT_TRUE(WaitDrawn(1));
  EXPECT_LE(loader.ViewCount(), 2);
}

TEST_F(ScreenViewerTest, FullSizeCentresPansAndZoomOnlyWhileFitted) {
  Add(Box.Copy("DSCN0010.jpg"));          // 640 × 480: smaller than the window
  Add(Box.Copy("casio_ex_z750.jpg"));     // 2164 × 1626: larger
  TFullScreenViewer* viewer = Open();
  ASSERT_TRUE(WaitDrawn(0));
  const QSize window = viewer->WindowSize();
  ASSERT_GT(window.width(), 640);
  // Zoom: a drag 3 pixels high does nothing, a real one zooms.
  Trigger("ActionZoomIn");
  EXPECT_EQ(Child<TImageViewer>(viewer, "ViewerFullSize")->MouseHandler(), &viewer->ZoomTool);
  QTest::mousePress(Child<TImageViewer>(viewer, "ViewerFullSize"), Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(Child<TImageViewer>(viewer, "ViewerFullSize"), QPoint(200, 103));
  QTest::mouseRelease(Child<TImageViewer>(viewer, "ViewerFullSize"), Qt::LeftButton, {}, QPoint(200, 103));
  EXPECT_FALSE(viewer->Scaled()->IsZoomed());
  EXPECT_FALSE(viewer->Action("ActionResetZoom")->isEnabled());
  QTest::mousePress(Child<TImageViewer>(viewer, "ViewerFullSize"), Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(Child<TImageViewer>(viewer, "ViewerFullSize"), QPoint(200, 180));
  QTest::mouseRelease(Child<TImageViewer>(viewer, "ViewerFullSize"), Qt::LeftButton, {}, QPoint(200, 180));
  EXPECT_TRUE(viewer->Scaled()->IsZoomed());
  EXPECT_TRUE(viewer->Action("ActionResetZoom")->isEnabled());
  // Full size: zoom is gone and unavailable; the small photo is centred and stays.
  Trigger("ActionFullSize");
  EXPECT_FALSE(viewer->Action("ActionZoomIn")->isChecked());
  EXPECT_FALSE(viewer->Action("ActionZoomIn")->isEnabled());
  EXPECT_FALSE(viewer->Scaled()->IsZoomed());
  EXPECT_EQ(Child<TImageViewer>(viewer, "ViewerFullSize")->MouseHandler(), &viewer->DragTool);
  ASSERT_TRUE(WaitDrawn(0));
  const TGPRect centred{(window.width() - 640) / 2, (window.height() - 480) / 2, 640, 480};
  EXPECT_EQ(viewer->ViewArea(), centred);
  EXPECT_EQ(viewer->Scaled()->Bitmap.size(), QSize(640, 480));  // one photo pixel per screen pixel
  QTest::keyClick(viewer, Qt::Key_Left);
  QTest::keyClick(viewer, Qt::Key_Down);
  EXPECT_EQ(viewer->ViewArea(), centred);
  // The large one moves by 10 and never shows past its edges.
  QTest::keyClick(viewer, Qt::Key_PageDown);
  ASSERT_TRUE(WaitDrawn(1));
  const TGPRect large = viewer->ViewArea();
  EXPECT_EQ(large, (TGPRect{(window.width() - 2164) / 2, (window.height() - 1626) / 2, 2164, 1626}));
  QTest::keyClick(viewer, Qt::Key_Right);
  EXPECT_EQ(viewer->ViewArea().X, large.X - 10);
  for (int i = 0; i < 120; ++i) QTest::keyClick(viewer, Qt::Key_Left);
  EXPECT_EQ(viewer->ViewArea().X, 0);
  for (int i = 0; i < 120; ++i) QTest::keyClick(viewer, Qt::Key_Up);
  EXPECT_EQ(viewer->ViewArea().Y, 0);
  // Dragging pans too.
  QTest::mousePress(Child<TImageViewer>(viewer, "ViewerFullSize"), Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(Child<TImageViewer>(viewer, "ViewerFullSize"), QPoint(250, 280));
  QTest::mouseRelease(Child<TImageViewer>(viewer, "ViewerFullSize"), Qt::LeftButton, {}, QPoint(250, 280));
  EXPECT_EQ(viewer->ViewArea().X, -50);
  EXPECT_EQ(viewer->ViewArea().Y, -20);
  // Rotation turns the full-size area with the photo.
  Trigger("ActionRotateR");
  EXPECT_EQ(viewer->ViewArea().Width, 1626);
  EXPECT_EQ(viewer->ViewArea().Height, 2164);
  Trigger("ActionROI");
  EXPECT_FALSE(viewer->Action("ActionZoomIn")->isEnabled());
  EXPECT_FALSE(viewer->Action("ActionMoveLeft")->isEnabled());
  EXPECT_EQ(Child<TImageViewer>(viewer, "ViewerFullSize")->MouseHandler(), nullptr);
}

TEST_F(ScreenViewerTest, ADamagedPhotoShowsItsMessageInEveryModeAndTheShowGoesOn) {
  AddDark("a.jpg", "Anna");
  Add(Box.Write("broken.jpg", "not a photo at all"));
  Add(Box.Write("cut.jpg", TestSupport::ReadFile(DataPath("casio_ex_z750.jpg")).left(30000)));
  AddDark("d.jpg", "Dirk");
  TFullScreenViewer* viewer = Open("", "1;0");
  ASSERT_TRUE(WaitDrawn(0));
  for (int index : {1, 2}) {
    viewer->ShowImageAt(index);
    for (const char* mode : {"ActionZoomFit", "ActionFullSize", "ActionROI"}) {
      Trigger(mode);
      ASSERT_TRUE(WaitDrawn(index)) << mode;
      EXPECT_FALSE(viewer->Scaled()->ImageToDraw->LoadFailure().Message.isEmpty());
      // A red box in the middle third of the screen, nothing red around it.
      const QImage screen = Screen();
      const int side = std::min(screen.width(), screen.height()) / 3;
      const QRect middle((screen.width() - side) / 2, (screen.height() - side) / 2, side, side);
      EXPECT_GT(CountPixels(screen, middle.adjusted(0, 0, -1, -1), Red), side * side / 2) << index << mode;
      EXPECT_LT(CountPixels(screen, QRect(QPoint(0, 0), screen.size()).adjusted(0, 0, -1, -1), Red),
                side * side + side * 4)
          << index << mode;
    }
  }
  Trigger("ActionZoomFit");
  // The slide show, with driven ticks, steps past both; a tick while loading waits.
  viewer->ShowImageAt(0);
  ASSERT_TRUE(WaitDrawn(0));
  Trigger("ActionStartSlideShow");
  EXPECT_EQ(Child<QTimer>(viewer, "TimerSlideShow")->interval(), 1000);
  Child<QTimer>(viewer, "TimerSlideShow")->stop();
  QList<int> visited;
  for (int tick = 0; tick < 3; ++tick) {
    viewer->NextSlide();
    visited.append(viewer->CurrentIndex());
    if (viewer->Loading()) {
      viewer->NextSlide();
      EXPECT_EQ(viewer->CurrentIndex(), visited.last());
    }
    ASSERT_TRUE(WaitDrawn(viewer->CurrentIndex()));
  }
  EXPECT_EQ(visited, (QList<int>{1, 2, 3}));
  viewer->NextSlide();  // no repeat: back at the start, the show ends on the last
  EXPECT_EQ(viewer->CurrentIndex(), 3);
  EXPECT_FALSE(viewer->Action("ActionStartSlideShow")->isChecked());
}

TEST_F(ScreenViewerTest, SteppingQuicklyDecodesOnlyWhatIsShownAndFreesThePassed) {
  const QString first = Box.Copy("casio_ex_z750.jpg", "p000.jpg");
  Add(first);
  for (int i = 1; i < 100; ++i) {
    const QString name = Box.Path(QStringLiteral("p%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    ASSERT_EQ(::link(first.toLocal8Bit().constData(), name.toLocal8Bit().constData()), 0);
    Add(name);
  }
  TFullScreenViewer* viewer = Open();
  ASSERT_TRUE(WaitDrawn(0));
  // Page Down held: the window paints now and then between the key repeats.
  for (int i = 1; i < 100; ++i) {
    QTest::keyClick(viewer, Qt::Key_PageDown);
    if (i % 10 == 0) QCoreApplication::processEvents();
  }
  EXPECT_EQ(viewer->CurrentIndex(), 99);
  ASSERT_TRUE(WaitDrawn(99));
  ASSERT_TRUE(WaitFor([&] { return viewer->Loader().IsIdle(); }));
  EXPECT_LT(viewer->Loader().RenderCount(), 20);  // not one per photo passed
  EXPECT_LE(viewer->Loader().ViewCount(), 2);     // the photo shown, and one prepared at most
}

TEST_F(ScreenViewerTest, ClosingWhileLoadingHidesAtOnceAndFreesAfterTheJob) {
  const QString big = Box.Write("big.jpg", EncodeJpeg(Pattern(4000, 3000), 95));
  Add(big);
  Add(Box.Copy("DSCN0010.jpg"));
  auto* viewer = new TFullScreenViewer;
  viewer->ShowOnViewer = "D;";
  viewer->SetPhotos(Photos, 0);
  viewer->showFullScreen();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
  Child<TImageViewer>(viewer, "ViewerFullSize")->repaint();  // the photo's job is queued
  ASSERT_TRUE(viewer->Loading());
  viewer->Action("ActionRotateR")->trigger();  // ignored while loading
  viewer->Action("ActionFullSize")->trigger();
  EXPECT_TRUE(viewer->Action("ActionZoomFit")->isChecked());
  viewer->close();
  EXPECT_FALSE(viewer->isVisible());
  EXPECT_EQ(viewer->ShowOnViewer, QStringLiteral("D;"));
  EXPECT_EQ(viewer->SlideShow, QStringLiteral("3;1"));
  const QPointer<TFullScreenViewer> guard(viewer);
  viewer->DeleteWhenIdle();
  ASSERT_TRUE(WaitFor([&] { return guard.isNull(); }));
}

TEST_F(ScreenViewerTest, SpaceBackspaceArrowsAndTheWheelStepAndCtrlWheelOrPlusMinusZoom) {
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) AddDark(name, name);
  TFullScreenViewer* viewer = Open();
  ASSERT_TRUE(WaitDrawn(0));
  QWidget* area = Child<TImageViewer>(viewer, "ViewerFullSize");
  area->setFocus();
  QTest::keyClick(viewer, Qt::Key_Space);
  EXPECT_EQ(viewer->CurrentIndex(), 1);
  QTest::keyClick(viewer, Qt::Key_Backspace);
  EXPECT_EQ(viewer->CurrentIndex(), 0);
  // The photo fits: Right and Left step.
  QTest::keyClick(area, Qt::Key_Right);
  EXPECT_EQ(viewer->CurrentIndex(), 1);
  QTest::keyClick(area, Qt::Key_Left);
  EXPECT_EQ(viewer->CurrentIndex(), 0);
  const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(area->width() / 2.0, area->height() / 2.0);
    QWheelEvent event(at, area->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(area, &event);
  };
  wheel(-120, Qt::NoModifier);  // turned towards the user: next
  EXPECT_EQ(viewer->CurrentIndex(), 1);
  wheel(60, Qt::NoModifier);  // half a notch does nothing yet
  EXPECT_EQ(viewer->CurrentIndex(), 1);
  wheel(60, Qt::NoModifier);
  EXPECT_EQ(viewer->CurrentIndex(), 0);
  ASSERT_TRUE(WaitDrawn(0));
  wheel(120, Qt::ControlModifier);  // Ctrl: zoom in about the pointer
  EXPECT_TRUE(viewer->Scaled()->IsZoomed());
  EXPECT_EQ(viewer->CurrentIndex(), 0);
  const int zoomed = viewer->Scaled()->ZoomRect.Width;
  QTest::keyClick(area, Qt::Key_Minus);  // a step out: more of the photo
  const int out = viewer->Scaled()->ZoomRect.Width;
  EXPECT_GT(out, zoomed);
  QTest::keyClick(area, Qt::Key_Plus);  // and in again
  EXPECT_LT(viewer->Scaled()->ZoomRect.Width, out);
  // At full size the arrows pan, as before: no step.
  Trigger("ActionFullSize");
  ASSERT_TRUE(WaitDrawn(0));
  QTest::keyClick(area, Qt::Key_Right);
  EXPECT_EQ(viewer->CurrentIndex(), 0);
}
