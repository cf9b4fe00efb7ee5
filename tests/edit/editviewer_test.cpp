// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "dialogsupport.h"
#include "editviewer.h"
#include "geometry.h"
#include "gpimage.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "progressform.h"
#include "saveattributes.h"
#include "formatsamples.h"
#include "testsupport.h"

#include <QAction>
#include <QBuffer>
#include <QLabel>
#include <QStatusBar>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Photos in a list, as the main window hands them over.
class EditTest : public ::testing::Test {
protected:
  // The first photo has two red pupils; the others are plain patterns.
  void MakePhotos(int count, const QList<QByteArray>& extra = {}) {
    for (int i = 0; i < count; ++i) {
      const QByteArray jpeg = i == 0 ? EncodeJpeg(WithRedPupils(400, 300, {{100, 100}, {300, 200}}, 8), 95)
                                     : EncodeJpeg(Pattern(40, 30));
      AddPhoto(QStringLiteral("p%1.jpg").arg(i, 3, 10, QLatin1Char('0')), jpeg);
    }
    for (const QByteArray& jpeg : extra) AddPhoto(QStringLiteral("x%1.jpg").arg(Records.size()), jpeg);
  }
  TImageToDraw* AddPhoto(const QString& name, const QByteArray& jpeg) {
    Records.push_back(std::make_shared<TImageToDraw>(Box.Write(name, jpeg)));
    return Records.back().get();
  }
  // The set the window gets: every photo from the one at Start, or the
  // chosen ones (as the main window hands over a selection of several).
  void StartAt(int start) {
    Chosen.clear();
    Start = start;
  }
  void Choose(std::initializer_list<int> rows) {
    Chosen = rows;
    Start = 0;
  }
  QList<TPhotoRecord> Set() const {
    QList<TPhotoRecord> set;
    if (Chosen.isEmpty())
      for (const auto& record : Records) set.append(record);
    else
      for (int row : Chosen) set.append(Records[size_t(row)]);
    return set;
  }
  // The window shown on the list, its viewer laid out.
  std::unique_ptr<TEditImagesFormViewer> Open(const QString& knownActors = QString()) {
    auto form = std::make_unique<TEditImagesFormViewer>();
    form->KnownActors = knownActors;
    form->SetPhotos(Set(), Start);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
  }
  // Where a point of the photo lies on the viewer.
  static QPoint OnViewer(const TEditImagesFormViewer& form, QPoint photo) {
    return MapPointBetween(photo, form.Scaled()->SourceRect, form.Scaled()->DrawRect);
  }
  static void Drag(QWidget* viewer, QPoint from, QPoint to) {
    QTest::mousePress(viewer, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewer, (from + to) / 2);
    QTest::mouseMove(viewer, to);
    QTest::mouseRelease(viewer, Qt::LeftButton, {}, to);
  }
  static QString StoredName(const QString& path) {
    TImageToDraw fresh(path);
    fresh.LoadAttributes();
    return fresh.Attributes().Name;
  }

  TSandbox Box;
  std::vector<TPhotoRecord> Records;
  QList<int> Chosen;
  int Start = 0;
};

}  // namespace

TEST_F(EditTest, StepsThroughTheSetItIsGivenFromItsStart) {
  MakePhotos(20);
  StartAt(5);
  {
    auto form = Open();
    EXPECT_EQ(form->ImageList().size(), 20);
    EXPECT_EQ(form->CurrentIndex(), 5);
    EXPECT_EQ(Child<QLineEdit>(form, "TextFileName")->text(), QStringLiteral("p005.jpg"));
    EXPECT_TRUE(form->Action("ActionPrevious")->isEnabled());
    form->Action("ActionLast")->trigger();
    EXPECT_EQ(form->CurrentIndex(), 19);
    EXPECT_FALSE(form->Action("ActionNext")->isEnabled());
    EXPECT_FALSE(form->Action("ActionLast")->isEnabled());
  }
  Choose({3, 7, 9});
  auto form = Open();
  ASSERT_EQ(form->ImageList().size(), 3);
  EXPECT_EQ(form->CurrentIndex(), 0);
  EXPECT_EQ(form->ImageList().at(0), Records[3]);
  EXPECT_EQ(form->ImageList().at(2), Records[9]);
  EXPECT_FALSE(form->Action("ActionFirst")->isEnabled());
}

TEST_F(EditTest, TheMouseToolsSetTheRegionPlaceRedEyesAndZoom) {
  MakePhotos(1);
  auto form = Open();
  TImageScaled* view = form->Scaled();
  ASSERT_NE(view, nullptr);
  TImageViewer* viewer = Child<TImageViewer>(form, "ImageViewerEdit");
  const TGPRect draw = view->DrawRect;
  ASSERT_GT(draw.Width, 100);
  EXPECT_FALSE(form->Action("ActionZoomOut")->isEnabled());  // the whole photo is shown

  // Region of interest: a drag over the middle of the photo.
  form->Action("ActionSetROI")->trigger();
  EXPECT_EQ(viewer->MouseHandler(), &form->ROITool);
  const QPoint a = OnViewer(*form, {100, 75}), b = OnViewer(*form, {300, 225});
  Drag(viewer, b, a);  // lower right to upper left
  EXPECT_NEAR(view->ROIRect.X, 100, 2);
  EXPECT_NEAR(view->ROIRect.Width, 200, 3);
  EXPECT_NEAR(view->ROIRect.Height, 150, 3);
  EXPECT_TRUE(form->Action("ActionShowROI")->isChecked());
  EXPECT_TRUE(form->Modified);
  EXPECT_EQ(form->UndoCount(), 1);
  // A drag three pixels wide is a click: nothing set.
  const TGPRect roi = view->ROIRect;
  Drag(viewer, a, a + QPoint(3, 100));
  EXPECT_EQ(view->ROIRect, roi);
  EXPECT_EQ(form->UndoCount(), 1);

  // Red eyes: the tracks show with the tool; a click outside the photo
  // leaves no trace, one on a pupil corrects it.
  form->Action("ActionRedEyes")->trigger();
  EXPECT_FALSE(form->Action("ActionSetROI")->isChecked());
  EXPECT_TRUE(Child<QSlider>(form, "TrackArea")->isVisibleTo(form.get()));
  QTest::mouseClick(viewer, Qt::LeftButton, {}, QPoint(0, 0));
  EXPECT_FALSE(view->HasRedEyes());
  EXPECT_EQ(form->UndoCount(), 1);
  const QRgb red = Records[0]->GetImage()->Image().pixel(100, 100);
  QTest::mouseClick(viewer, Qt::LeftButton, {}, OnViewer(*form, {100, 100}));
  ASSERT_TRUE(view->HasRedEyes());
  EXPECT_LT(qRed(Records[0]->GetImage()->Image().pixel(100, 100)), qRed(red) - 50);
  EXPECT_TRUE(form->Action("ActionRestoreRed")->isEnabled());
  EXPECT_EQ(form->UndoCount(), 2);
  // The sliders retune the last correction: still one, with the new radius.
  Child<QSlider>(form, "TrackArea")->setValue(10);
  ASSERT_EQ(view->RedEyes->size(), 1u);
  EXPECT_EQ(view->RedEyes->front()->Radius, 10);
  EXPECT_EQ(form->UndoCount(), 2);
  form->Action("ActionRedEyes")->trigger();  // off again
  EXPECT_EQ(viewer->MouseHandler(), nullptr);
  EXPECT_FALSE(Child<QSlider>(form, "TrackArea")->isVisibleTo(form.get()));

  // Zoom: a rectangle three pixels wide and 200 high zooms at its corner as
  // a click does.
  form->Action("ActionZoomIn")->trigger();
  const QPoint corner = OnViewer(*form, {60, 40});
  TImageScaled reference(Records[0].get());
  reference.SetTargetRect(view->TargetRect);
  reference.EnsureInit();
  reference.ZoomAt(corner);
  Drag(viewer, corner, corner + QPoint(3, 200));
  EXPECT_EQ(view->ZoomRect, reference.ZoomRect);
  EXPECT_TRUE(view->IsZoomed());
  EXPECT_TRUE(form->Action("ActionZoomOut")->isEnabled());
}

TEST_F(EditTest, EditsTakenBackToTheStoredStateLeaveNothingToAsk) {
  MakePhotos(2);
  auto form = Open();
  form->Action("ActionRotateR")->trigger();
  form->Action("ActionUndo")->trigger();
  Child<QLineEdit>(form, "EditName")->setText(Child<QLineEdit>(form, "EditName")->text() + "x");
  Child<QLineEdit>(form, "EditName")->setText(Child<QLineEdit>(form, "EditName")->text().chopped(1));
  EXPECT_TRUE(form->Modified);
  EXPECT_EQ(MessageShownBy([&] { form->Action("ActionNext")->trigger(); }), QString());
  EXPECT_EQ(form->CurrentIndex(), 1);
  // A real change still asks.
  form->Action("ActionRotateL")->trigger();
  EXPECT_EQ(MessageShownBy([&] { form->Action("ActionPrevious")->trigger(); }, QMessageBox::Cancel),
            QStringLiteral("The image attributes have changed. Do you want to save the changes?"));
  EXPECT_EQ(form->CurrentIndex(), 1);
  // "Saved" is about the photo saved: stepping on clears it.
  ASSERT_TRUE(form->SaveCurrent());
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QStringLiteral("Saved"));
  form->Action("ActionPrevious")->trigger();
  EXPECT_EQ(form->CurrentIndex(), 0);
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QString());
  // Ctrl+Z undoes in the window, but is the text field's own undo there.
  form->Action("ActionRotateR")->trigger();
  EXPECT_TRUE(form->Action("ActionUndo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
}

TEST_F(EditTest, UndoTakesBackEveryKindOfEditTenStepsDeep) {
  MakePhotos(2);
  auto form = Open();
  TImageScaled* view = form->Scaled();
  EXPECT_FALSE(form->Action("ActionUndo")->isEnabled());
  Child<QSlider>(form, "TrackColor")->setValue(2);  // no correction placed yet: nothing to retune
  EXPECT_FALSE(form->Modified);
  EXPECT_FALSE(view->HasRedEyes());
  form->Action("ActionRedEyes")->trigger();
  QTest::mouseClick(Child<TImageViewer>(form, "ImageViewerEdit"), Qt::LeftButton, {}, OnViewer(*form, {100, 100}));
  ASSERT_TRUE(view->HasRedEyes());
  form->Action("ActionRotateL")->trigger();
  EXPECT_EQ(view->Rotation, 270);
  form->Action("ActionResetROI")->trigger();
  form->Action("ActionZoomIn")->trigger();
  QTest::mouseClick(Child<TImageViewer>(form, "ImageViewerEdit"), Qt::LeftButton, {}, OnViewer(*form, {20, 20}));
  ASSERT_TRUE(view->IsZoomed());
  EXPECT_EQ(form->UndoCount(), 4);

  form->Action("ActionUndo")->trigger();
  EXPECT_FALSE(view->IsZoomed());
  form->Action("ActionUndo")->trigger();
  EXPECT_TRUE(form->Action("ActionShowROI")->isChecked());  // undoing the reset keeps the frame shown
  form->Action("ActionUndo")->trigger();
  EXPECT_EQ(view->Rotation, 0);
  form->Action("ActionUndo")->trigger();
  EXPECT_FALSE(view->HasRedEyes());
  EXPECT_FALSE(form->Action("ActionUndo")->isEnabled());
  EXPECT_TRUE(form->Modified);  // undoing is not saving

  for (int i = 0; i < 11; ++i) form->Action("ActionRotateR")->trigger();
  EXPECT_EQ(form->UndoCount(), 10);
  EXPECT_EQ(view->Rotation, 270);
  form->Action("ActionUndo")->trigger();
  EXPECT_EQ(view->Rotation, 180);  // the angle before the eleventh

  // Leaving the photo asks while it differs from what is stored (turned by
  // 180 here); Cancel keeps the photo, its edits and its undo records.
  EXPECT_EQ(MessageShownBy([&] { form->Action("ActionNext")->trigger(); }, QMessageBox::Cancel),
            QStringLiteral("The image attributes have changed. Do you want to save the changes?"));
  EXPECT_EQ(form->CurrentIndex(), 0);
  EXPECT_EQ(form->Scaled(), view);
  EXPECT_EQ(form->UndoCount(), 9);
  // No: on to the next photo, nothing written; the tool and sliders stay.
  const QByteArray before = ReadFile(Records[0]->FileName);
  Child<QSlider>(form, "TrackArea")->setValue(3);
  form->Action("ActionRedEyes")->trigger();
  EXPECT_EQ(MessageShownBy([&] { form->Action("ActionNext")->trigger(); }, QMessageBox::No),
            QStringLiteral("The image attributes have changed. Do you want to save the changes?"));
  EXPECT_EQ(form->CurrentIndex(), 1);
  EXPECT_EQ(form->UndoCount(), 0);
  EXPECT_EQ(ReadFile(Records[0]->FileName), before);
  EXPECT_TRUE(form->Action("ActionRedEyes")->isChecked());
  EXPECT_EQ(Child<TImageViewer>(form, "ImageViewerEdit")->MouseHandler(), &form->RedEyeTool);
  EXPECT_EQ(Child<QSlider>(form, "TrackArea")->value(), 3);
}

TEST_F(EditTest, SavingWritesEveryAttributeAndCorrectionIntoTheFile) {
  MakePhotos(2);
  auto form = Open(QStringLiteral("Anna;Bob;"));
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("  Grachten "));
  Child<QPlainTextEdit>(form, "MemoDescription")->setPlainText(QStringLiteral("Line one\nLine two\n"));
  Child<QDateEdit>(form, "DTPDate")->setDate(QDate(2004, 7, 15));
  Child<QTimeEdit>(form, "DTPTime")->setTime(QTime(14, 30, 5));
  Child<QLineEdit>(form, "EditLocation")->setText(QStringLiteral("Amsterdam"));
  Child<QListWidget>(form, "CheckListActors")->item(1)->setCheckState(Qt::Checked);  // Bob
  form->Action("ActionRedEyes")->trigger();
  QTest::mouseClick(Child<TImageViewer>(form, "ImageViewerEdit"), Qt::LeftButton, {}, OnViewer(*form, {300, 200}));
  ASSERT_TRUE(form->Scaled()->HasRedEyes());
  form->Action("ActionRotateR")->trigger();
  form->Scaled()->SetROIFromScreen(MapRectBetween({40, 20, 200, 100}, form->Scaled()->SourceRect,
                                                  form->Scaled()->DrawRect));
  const TGPRect storedROI = form->Scaled()->GetStoredROI();
  const QRgb corrected = Records[0]->GetImage()->Image().pixel(300, 200);
  EXPECT_TRUE(form->Modified);
  ASSERT_TRUE(form->SaveCurrent());
  EXPECT_FALSE(form->Modified);
  // The picture shown keeps its correction after the save.
  EXPECT_EQ(Records[0]->GetImage()->Image().pixel(300, 200), corrected);

  const QString path = Records[0]->FileName;
  TImageToDraw fresh(path);
  fresh.LoadAttributes();
  EXPECT_EQ(fresh.Attributes().Name, QStringLiteral("Grachten"));
  EXPECT_EQ(fresh.Attributes().Description, QStringLiteral("Line one\r\nLine two"));
  EXPECT_EQ(DateTimeUtil::ToQDateTime(fresh.Attributes().DateTime), QDateTime(QDate(2004, 7, 15), QTime(14, 30, 5)));
  EXPECT_EQ(fresh.Attributes().Location, QStringLiteral("Amsterdam"));
  EXPECT_EQ(fresh.Attributes().Actors, QStringLiteral("Bob;"));
  EXPECT_EQ(fresh.Attributes().Rotation, 90);
  ASSERT_EQ(fresh.Attributes().RedEyes->size(), 1u);
  EXPECT_NEAR(fresh.Attributes().RedEyes->front()->X, 300, 1);  // where the click landed on the photo
  EXPECT_EQ(fresh.Attributes().ROI, storedROI);
  // An independent reader sees the name item.
  EXPECT_EQ(ExiftoolRawItem(path, 0xEE49).Value, QByteArray("Grachten\0", 9));

  // Without a name nothing is saved.
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("   "));
  const QByteArray before = ReadFile(path);
  EXPECT_EQ(MessageShownBy([&] { form->Action("ActionSave")->trigger(); }),
            QStringLiteral("No name given, not possible to save the image."));
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_TRUE(form->Modified);

  // "Always save image": stepping on saves without asking, even unchanged.
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Grachten"));
  Child<QCheckBox>(form, "CheckAlways")->setChecked(true);
  form->Action("ActionNext")->trigger();
  EXPECT_EQ(form->CurrentIndex(), 1);
  form->Action("ActionPrevious")->trigger();  // p001 saved unchanged on the way
  EXPECT_EQ(form->CurrentIndex(), 0);
  TImageToDraw second(Records[1]->FileName);
  second.LoadAttributes();
  EXPECT_TRUE(second.Attributes().HasMarker);
  EXPECT_EQ(second.Attributes().Name, QStringLiteral("p001.jpg"));
}

TEST_F(EditTest, TheAttributesGoWhereOtherProgramsReadThemUnlessSwitchedOff) {
  MakePhotos(2);
  // A title another program gave, longer than the names typed here.
  const QString title = QStringLiteral("Zonsondergang boven de Waddenzee, gezien vanaf de dijk bij Harlingen");
  ASSERT_GT(title.size(), TEditImagesFormViewer::NameLength);
  Exiftool({"-q", "-overwrite_original", "-XMP-dc:Title=" + title, Records[1]->FileName});
  auto form = Open();
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckStandard")->isChecked());
  // p000: its file name and file date go to no standard place.
  Child<QLineEdit>(form, "EditLocation")->setText(QStringLiteral("Harlingen"));
  ASSERT_TRUE(form->SaveCurrent());
  QJsonObject tags = ExiftoolJson(Records[0]->FileName, {"-XMP:all"});
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Harlingen"));
  EXPECT_FALSE(tags.contains("XMP-dc:Title"));
  EXPECT_FALSE(tags.contains("XMP-photoshop:DateCreated"));

  // p001: the imported title is shown and saved whole.
  form->Action("ActionNext")->trigger();
  EXPECT_EQ(Child<QLineEdit>(form, "EditName")->text(), title);
  Child<QLineEdit>(form, "EditLocation")->setText(QStringLiteral("Harlingen"));
  ASSERT_TRUE(form->SaveCurrent());
  EXPECT_EQ(StoredName(Records[1]->FileName), title);
  EXPECT_EQ(ExiftoolJson(Records[1]->FileName, {"-XMP-dc:Title"}).value("XMP-dc:Title").toString(), title);

  // Switched off: Zelvane's own items only, and the setting comes back.
  QTest::mouseClick(Child<QCheckBox>(form, "CheckStandard"), Qt::LeftButton);
  EXPECT_FALSE(form->WriteStandardMetadata);
  const QByteArray before = ReadFile(Records[1]->FileName);
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Kort"));
  ASSERT_TRUE(form->SaveCurrent());
  EXPECT_EQ(StoredName(Records[1]->FileName), QStringLiteral("Kort"));
  EXPECT_EQ(AllButExif(ReadFile(Records[1]->FileName)), AllButExif(before));
  EXPECT_EQ(ExiftoolJson(Records[1]->FileName, {"-XMP-dc:Title"}).value("XMP-dc:Title").toString(), title);
  form->close();
  auto again = std::make_unique<TEditImagesFormViewer>();
  again->WriteStandardMetadata = false;
  again->SetPhotos(Set(), Start);
  again->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(again.get()));
  EXPECT_FALSE(Child<QCheckBox>(again, "CheckStandard")->isChecked());
}

TEST_F(EditTest, ActorsAreFoundRegardlessOfCaseAndNewOnesBecomeKnown) {
  MakePhotos(0, {WithItems(EncodeJpeg(Pattern(40, 30)), {AttributeItems::TextItem(61000, "Vorn Software"),
                                                          AttributeItems::TextItem(61001, "Met mensen"),
                                                          AttributeItems::TextItem(61005, "carl;anna;abe;")})});
  auto form = Open(QStringLiteral("Anna;Bob;"));
  EXPECT_EQ(form->KnownActors, QStringLiteral("abe;Anna;Bob;carl;"));  // sorted regardless of case
  EXPECT_EQ(form->CheckedActors(), QStringLiteral("abe;Anna;carl;"));
  EXPECT_FALSE(form->Modified);  // found in the photo, not changed by the user

  Child<QLineEdit>(form, "EditActor")->setText(QStringLiteral(" BOB\t"));
  QTest::keyClick(Child<QLineEdit>(form, "EditActor"), Qt::Key_Return);  // Enter adds
  EXPECT_EQ(Child<QListWidget>(form, "CheckListActors")->count(), 4);
  EXPECT_EQ(form->CheckedActors(), QStringLiteral("abe;Anna;Bob;carl;"));
  EXPECT_TRUE(Child<QLineEdit>(form, "EditActor")->text().isEmpty());
  EXPECT_TRUE(form->Modified);
  EXPECT_EQ(MessageShownBy([&] { form->Action("ActionAddActor")->trigger(); }, QMessageBox::Ok),
            QStringLiteral("No actor to be added."));

  form->Modified = false;
  form->Action("ActionUncheckActors")->trigger();
  EXPECT_EQ(form->CheckedActors(), QString());
  EXPECT_FALSE(form->Modified);
  Child<QListWidget>(form, "CheckListActors")->setCurrentRow(3);
  form->Action("ActionRemoveActor")->trigger();
  EXPECT_EQ(form->KnownActors, QStringLiteral("abe;Anna;Bob;"));
  EXPECT_TRUE(form->Modified);
}

TEST_F(EditTest, SaveAllNumbersTheNamesOrCopiesOnlyWhatIsChecked) {
  MakePhotos(101);
  auto form = Open();
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Holiday"));
  Child<QPlainTextEdit>(form, "MemoDescription")->setPlainText(QStringLiteral("Sea"));
  QString countText;
  AnswerDialogs([&] { form->Action("ActionSaveAll")->trigger(); }, [&](QDialog* dialog) {
    if (auto* choice = qobject_cast<TSaveAttributesForm*>(dialog)) {
      countText = choice->CountText();  // says how many photos it will change
      choice->accept();
    }
  });
  EXPECT_EQ(countText, QStringLiteral("Save the ticked attributes into 101 photos"));
  EXPECT_EQ(StoredName(Records[0]->FileName), QStringLiteral("Holiday 001"));
  EXPECT_EQ(StoredName(Records[41]->FileName), QStringLiteral("Holiday 042"));
  EXPECT_EQ(StoredName(Records[99]->FileName), QStringLiteral("Holiday 100"));
  EXPECT_EQ(StoredName(Records[100]->FileName), QStringLiteral("Holiday 101"));
  EXPECT_EQ(Child<QLineEdit>(form, "EditName")->text(), QStringLiteral("Holiday 001"));  // reloaded from the record
  EXPECT_FALSE(form->Modified);
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QStringLiteral("Saved 101 of 101 photos"));

  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Other"));
  Child<QPlainTextEdit>(form, "MemoDescription")->setPlainText(QStringLiteral("Beach"));
  AnswerDialogs([&] { form->Action("ActionSaveAll")->trigger(); }, [](QDialog* dialog) {
    if (auto* choice = qobject_cast<TSaveAttributesForm*>(dialog)) {
      choice->CheckName->setChecked(false);
      choice->CheckLocation->setChecked(false);
      choice->CheckActors->setChecked(false);
      choice->accept();
    }
  });
  TImageToDraw fresh(Records[7]->FileName);
  fresh.LoadAttributes();
  EXPECT_EQ(fresh.Attributes().Name, QStringLiteral("Holiday 008"));
  EXPECT_EQ(fresh.Attributes().Description, QStringLiteral("Beach"));
}

TEST_F(EditTest, AFailingPhotoInSaveAllIsReportedAndTheRunStillEnds) {
  MakePhotos(2);
  TImageToDraw* big = AddPhoto(QStringLiteral("big.jpg"), EncodeJpeg(Pattern(800, 600), 95));
  ASSERT_GT(QFileInfo(big->FileName).size(), 32768);
  auto form = Open();
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Trip"));
  QStringList messages;
  {
    TFileSizeLimit limit(32768);  // the two small photos fit, the big one does not
    ASSERT_TRUE(limit.Active());
    AnswerDialogs([&] { form->Action("ActionSaveAll")->trigger(); }, [&](QDialog* dialog) {
      if (auto* choice = qobject_cast<TSaveAttributesForm*>(dialog)) choice->accept();
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        messages.append(box->text());
        Answer(box, QMessageBox::Ok);
      }
    });
  }
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Exception in background task\n")));
  EXPECT_TRUE(messages.first().contains(QStringLiteral("big.jpg")));
  EXPECT_EQ(StoredName(Records[0]->FileName), QStringLiteral("Trip 1"));
  EXPECT_EQ(StoredName(Records[1]->FileName), QStringLiteral("Trip 2"));
  EXPECT_EQ(StoredName(big->FileName), QStringLiteral("big.jpg"));
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QStringLiteral("Saved 2 of 3 photos, 1 not saved"));
}

TEST_F(EditTest, ClosingThroughTheTitleBarAsksLikeTheCloseCommand) {
  MakePhotos(1);
  auto form = Open();
  Child<QLineEdit>(form, "EditLocation")->setText(QStringLiteral("Utrecht"));
  EXPECT_FALSE(MessageShownBy([&] { form->close(); }, QMessageBox::Cancel).isEmpty());
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(MessageShownBy([&] { QTest::keyClick(form.get(), Qt::Key_Escape); }, QMessageBox::Cancel).isEmpty());
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(MessageShownBy([&] { form->close(); }, QMessageBox::Yes).isEmpty());
  EXPECT_FALSE(form->isVisible());
  TImageToDraw fresh(Records[0]->FileName);
  fresh.LoadAttributes();
  EXPECT_EQ(fresh.Attributes().Location, QStringLiteral("Utrecht"));
}

TEST_F(EditTest, AFailedSaveKeepsTheChangesAndThePhotoOnScreen) {
  AddPhoto(QStringLiteral("big.jpg"), EncodeJpeg(Pattern(800, 600), 95));
  auto form = Open();
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Kept"));
  QString message;
  {
    TFileSizeLimit limit(16384);
    ASSERT_TRUE(limit.Active());
    message = MessageShownBy([&] { form->Action("ActionSave")->trigger(); });
  }
  EXPECT_EQ(message, QStringLiteral("Could not save image: ") + Records[0]->FileName + "\nFile too large");
  EXPECT_TRUE(form->Modified);
  EXPECT_EQ(Child<QLineEdit>(form, "EditName")->text(), QStringLiteral("Kept"));
  // The viewer still draws the photo, not an error.
  const QImage shown = Child<TImageViewer>(form, "ImageViewerEdit")->grab().toImage();
  const TGPRect draw = form->Scaled()->DrawRect;
  EXPECT_NE(shown.pixel(draw.X + draw.Width / 2, draw.Y + draw.Height / 2), qRgb(255, 0, 0));
  EXPECT_TRUE(form->Scaled()->ImageToDraw->LoadFailure().Message.isEmpty());
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QStringLiteral("Not saved"));
  ASSERT_TRUE(form->SaveCurrent());  // and a later save goes through
  EXPECT_EQ(StoredName(Records[0]->FileName), QStringLiteral("Kept"));
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QStringLiteral("Saved"));
}

TEST_F(EditTest, EachKindOfUnsaveablePhotoSaysWhyAndCannotBeTypedOver) {
  MakePhotos(1);
  AddPhoto(QStringLiteral("scan.xyz"), EncodeJpeg(Pattern(40, 30)));  // no listed type
  const QString readOnly = AddPhoto(QStringLiteral("ro.jpg"), EncodeJpeg(Pattern(40, 30)))->FileName;
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  AddPhoto(QStringLiteral("broken.jpg"), QByteArray("not a picture"));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  Pattern(40, 30).save(&buffer, "PNG");
  AddPhoto(QStringLiteral("png.jpg"), png);
  auto form = Open();
  const QStringList reasons{"", "Only .jpg files can hold the attributes", "Read-only file",
                            "Error 13: not a picture in a format Zelvane can read",
                            "Only JPEG photos can hold the attributes"};
  for (int i = 0; i < reasons.size(); ++i) {
    if (i > 0) form->Action("ActionNext")->trigger();
    ASSERT_EQ(form->CurrentIndex(), i);
    const bool saveable = reasons[i].isEmpty();
    EXPECT_EQ(Child<QLabel>(form, "LabelCannotSave")->text(), reasons[i]);
    EXPECT_EQ(Child<QLabel>(form, "LabelCannotSave")->isVisible(), !saveable) << i;
    EXPECT_EQ(Child<QLineEdit>(form, "EditName")->isReadOnly(), !saveable) << i;
    EXPECT_EQ(Child<QPlainTextEdit>(form, "MemoDescription")->isReadOnly(), !saveable) << i;
    EXPECT_EQ(Child<QTimeEdit>(form, "DTPTime")->isReadOnly(), !saveable) << i;
    EXPECT_EQ(Child<QListWidget>(form, "CheckListActors")->isEnabled(), saveable) << i;
    EXPECT_EQ(form->Action("ActionAddActor")->isEnabled(), saveable) << i;
  }
  // Typing into a read-only field changes nothing.
  Child<QLineEdit>(form, "EditName")->setFocus();
  QTest::keyClicks(Child<QLineEdit>(form, "EditName"), QStringLiteral("typed"));
  EXPECT_FALSE(Child<QLineEdit>(form, "EditName")->text().contains(QStringLiteral("typed")));
}

TEST_F(EditTest, APhotoThatCannotBeReadShowsItsErrorWithTheEditsOff) {
  MakePhotos(1);
  AddPhoto(QStringLiteral("broken.jpg"), QByteArray("not a picture"));
  StartAt(1);
  auto form = Open();
  EXPECT_EQ(Child<QLineEdit>(form, "TextFileName")->text(), QStringLiteral("broken.jpg"));
  for (const char* name : {"ActionRotateL", "ActionZoomIn", "ActionRedEyes", "ActionSetROI", "ActionUndo"})
    EXPECT_FALSE(form->Action(name)->isEnabled()) << name;
  EXPECT_FALSE(form->Action("ActionSave")->isEnabled());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckAlways")->isEnabled());
  const QImage shown = Child<TImageViewer>(form, "ImageViewerEdit")->grab().toImage();
  EXPECT_EQ(shown.pixel(shown.width() / 2, 5), qRgb(255, 0, 0));  // the red error box
  // Leaving it never asks: it cannot be saved.
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("changed"));
  EXPECT_TRUE(MessageShownBy([&] { form->Action("ActionFirst")->trigger(); }).isEmpty());
  EXPECT_EQ(form->CurrentIndex(), 0);
  EXPECT_TRUE(form->Action("ActionRotateL")->isEnabled());
}

TEST_F(EditTest, AReadOnlyPhotoHasNoSaveCommandsAndIsNeverAskedAbout) {
  MakePhotos(2);
  QFile::setPermissions(Records[1]->FileName, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  const QByteArray before = ReadFile(Records[1]->FileName);
  auto form = Open();
  Child<QCheckBox>(form, "CheckAlways")->setChecked(true);
  form->Action("ActionNext")->trigger();  // saves the writable one, shows the read-only one
  EXPECT_FALSE(form->Action("ActionSave")->isEnabled());
  EXPECT_FALSE(form->Action("ActionSaveAll")->isEnabled());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckAlways")->isEnabled());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckAlways")->isChecked());
  form->Navigate(TEditImagesFormViewer::NavigateLast);  // already there: still no save commands
  EXPECT_FALSE(form->Action("ActionSave")->isEnabled());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckAlways")->isEnabled());
  EXPECT_TRUE(form->Action("ActionRotateL")->isEnabled());  // it can still be looked at and turned
  form->Action("ActionRotateL")->trigger();
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("changed"));
  EXPECT_FALSE(form->SaveCurrent());
  EXPECT_TRUE(MessageShownBy([&] { form->Action("ActionFirst")->trigger(); }).isEmpty());
  EXPECT_EQ(form->CurrentIndex(), 0);
  EXPECT_EQ(ReadFile(Records[1]->FileName), before);
  EXPECT_TRUE(form->Action("ActionSave")->isEnabled());
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckAlways")->isEnabled());
}

TEST_F(EditTest, TheKeyboardEditsNamesMovesOnWithEnterAndReachesTheCommands) {
  MakePhotos(2);
  auto form = Open();
  QApplication::setActiveWindow(form.get());
  Child<QLineEdit>(form, "EditName")->setFocus();
  Child<QLineEdit>(form, "EditName")->selectAll();
  QTest::keyClicks(Child<QLineEdit>(form, "EditName"), QStringLiteral("Molen"));
  EXPECT_TRUE(form->Modified);
  QTest::keyClick(Child<QLineEdit>(form, "EditName"), Qt::Key_Return);  // on to the next field, not a button
  EXPECT_FALSE(Child<QLineEdit>(form, "EditName")->hasFocus());
  EXPECT_TRUE(form->isVisible());
  Child<QLineEdit>(form, "EditLocation")->setFocus();
  QTest::keyClick(Child<QLineEdit>(form, "EditLocation"), Qt::Key_Return);
  EXPECT_TRUE(Child<QListWidget>(form, "CheckListActors")->hasFocus());
  QTest::keyClick(Child<QListWidget>(form, "CheckListActors"), Qt::Key_Return);
  EXPECT_TRUE(Child<QLineEdit>(form, "EditActor")->hasFocus());

  QTest::keyClick(form.get(), Qt::Key_R, Qt::AltModifier);  // rotate right
  EXPECT_EQ(form->Scaled()->Rotation, 90);
  QTest::keyClick(form.get(), Qt::Key_Backspace, Qt::AltModifier);  // undo
  EXPECT_EQ(form->Scaled()->Rotation, 0);
  QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);  // save
  EXPECT_FALSE(form->Modified);
  EXPECT_EQ(StoredName(Records[0]->FileName), QStringLiteral("Molen"));
  QTest::keyClick(form.get(), Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(form->CurrentIndex(), 1);

  // A whole time typed over the selected field is that time.
  Child<QTimeEdit>(form, "DTPTime")->setTime(QTime(9, 15, 45));
  Child<QTimeEdit>(form, "DTPTime")->setFocus();
  Child<QTimeEdit>(form, "DTPTime")->selectAll();
  QTest::keyClicks(Child<QTimeEdit>(form, "DTPTime"), QStringLiteral("10:30:00"));
  EXPECT_EQ(Child<QTimeEdit>(form, "DTPTime")->time(), QTime(10, 30, 0));
  Child<QTimeEdit>(form, "DTPTime")->selectAll();
  QTest::keyClicks(Child<QTimeEdit>(form, "DTPTime"), QStringLiteral("23:05:09"));
  EXPECT_EQ(Child<QTimeEdit>(form, "DTPTime")->time(), QTime(23, 5, 9));
}

// A phone's HEIC and a camera's raw file are edited like JPEG photos: the
// attributes and the turn go into their sidecars, the files stay as they were.
TEST_F(EditTest, HeicAndRawPhotosAreEditedIntoTheirSidecars) {
  const QByteArray heic = EncodeHeif(Box, EncodeJpeg(Pattern(160, 120)), "heic");
  const QByteArray raw = MakeRaw(Pattern(96, 64), {EncodeJpeg(Pattern(300, 200))}, 1, "2005:06:07 08:09:10");
  AddPhoto(QStringLiteral("phone.heic"), heic);
  AddPhoto(QStringLiteral("camera.cr2"), raw);
  auto form = Open();
  EXPECT_FALSE(Child<QLabel>(form, "LabelCannotSave")->isVisible());
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Telefoon"));
  form->Action("ActionRotateR")->trigger();
  ASSERT_TRUE(form->SaveCurrent());
  form->Action("ActionNext")->trigger();
  ASSERT_EQ(form->CurrentIndex(), 1);
  EXPECT_FALSE(Child<QLabel>(form, "LabelCannotSave")->isVisible());
  EXPECT_EQ(Child<QDateEdit>(form, "DTPDate")->date(), QDate(2005, 6, 7));  // the raw file's own date
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Camera"));
  ASSERT_TRUE(form->SaveCurrent());
  EXPECT_EQ(Child<QStatusBar>(form, "StatusBar")->currentMessage(), QStringLiteral("Saved"));
  EXPECT_EQ(StoredName(Records[0]->FileName), QStringLiteral("Telefoon"));
  EXPECT_EQ(StoredName(Records[1]->FileName), QStringLiteral("Camera"));
  EXPECT_EQ(ReadFile(Records[0]->FileName), heic);
  EXPECT_EQ(ReadFile(Records[1]->FileName), raw);
  EXPECT_TRUE(QFile::exists(Records[1]->FileName + ".xmp"));
  TImageToDraw turned(Records[0]->FileName);
  turned.LoadAttributes();
  EXPECT_EQ(turned.Attributes().Rotation, 90);
}
