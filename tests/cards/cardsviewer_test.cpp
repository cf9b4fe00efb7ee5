// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgroundform.h"
#include "borderform.h"
#include "cardsviewer.h"
#include "dialogsupport.h"
#include "fontcolordialog.h"
#include "imagecombo.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "numericupdown.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class CardsWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    QImage blue(300, 200, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    Photo = std::make_shared<TImageToDraw>(Box.Write("photo.jpg", EncodeJpeg(blue)));
    Form = std::make_unique<TCreateCardsFormViewer>(Photo);
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  }
  void Trigger(const char* name) { Form->Action(QString::fromLatin1(name))->trigger(); }
  TCardText& Block() { return Form->Editor().Text(); }

  TSandbox Box;
  TPhotoRecord Photo;
  std::unique_ptr<TCreateCardsFormViewer> Form;
};

QString SolidPng(const TSandbox& box, const QString& name, QColor colour) {
  QImage image(40, 40, QImage::Format_ARGB32);
  image.fill(colour);
  image.save(box.Path(name), "PNG");
  return box.Path(name);
}

}  // namespace

TEST_F(CardsWindowTest, FoldGridPrintChoiceMovesUndoAndDrag) {
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zelvane - Create cards"));
  EXPECT_TRUE(Child<QGroupBox>(Form, "RadioPrint")->isVisible());  // postcards
  Child<QRadioButton>(Form, "RadioFold")->click();
  EXPECT_TRUE(Child<QGroupBox>(Form, "GroupFold")->isVisible());
  EXPECT_FALSE(Child<QGroupBox>(Form, "GroupPostcard")->isVisible());
  EXPECT_FALSE(Child<QCheckBox>(Form, "cbOneSide")->isVisible());  // direction 2
  EXPECT_FALSE(Child<QGroupBox>(Form, "RadioPrint")->isVisible());
  Child<TNumericUpDown>(Form, "nudCards")->SetValue(3);
  EXPECT_FALSE(Child<QToolButton>(Form, "sbVouwXY")->isEnabled());
  EXPECT_EQ(Form->Design().General.Direction, TFoldDirection::SideBySide);
  EXPECT_TRUE(Child<QToolButton>(Form, "sbVouwX")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(Form, "cbOneSide")->isVisible());
  Child<QCheckBox>(Form, "cbOneSide")->click();  // off: one sheet side at a time
  EXPECT_TRUE(Child<QGroupBox>(Form, "RadioPrint")->isVisible());
  Child<TNumericUpDown>(Form, "nudCards")->SetValue(1);
  EXPECT_TRUE(Child<QToolButton>(Form, "sbVouwXY")->isEnabled());

  // Moves clamp at 97 with W 10 and at 3; two entries per move; ten at most.
  TCardText& text = Block();
  text.Lines = {QStringLiteral("Hello")};
  text.NeedsMeasure = false;  // the bounds as set here
  text.Bounds = {93, 10, 10, 10};
  text.XPosition = THorizontalPlace::Centred;
  Trigger("ActionMoveRight");
  EXPECT_EQ(text.Bounds.X, 90.f);
  EXPECT_FALSE(Form->Action("ActionCenterX")->isChecked());
  EXPECT_EQ(Form->Editor().UndoCount(), 2);
  Trigger("ActionUndo");
  Trigger("ActionUndo");
  EXPECT_EQ(text.Bounds.X, 93.f);
  EXPECT_TRUE(Form->Action("ActionCenterX")->isChecked());  // the buttons follow the undo
  EXPECT_FALSE(Form->Action("ActionUndo")->isEnabled());
  for (int i = 0; i < 7; ++i) Trigger("ActionMoveDown");
  EXPECT_EQ(Form->Editor().UndoCount(), 10);

  // A drag in the preview moves the block by the dragged share of the shown card.
  Child<QTabBar>(Form, "TabPageCard")->setCurrentIndex(0);
  const TGPRect shown = Form->ShownRect();
  ASSERT_GT(shown.Width, 100);
  text.Bounds = {10, 10, 20, 20};
  text.XPosition = THorizontalPlace::LeftEdge;
  text.YPosition = TVerticalPlace::Top;
  const QPoint from(shown.X + shown.Width / 2, shown.Y + shown.Height / 2);
  const QPoint to = from + QPoint(shown.Width / 10, 0);
  QTest::mousePress(Child<TImageViewer>(Form, "viewerCard"), Qt::LeftButton, {}, from);
  QTest::mouseMove(Child<TImageViewer>(Form, "viewerCard"), to);
  QTest::mouseRelease(Child<TImageViewer>(Form, "viewerCard"), Qt::LeftButton, {}, to);
  EXPECT_NEAR(text.Bounds.X, 20.f, 0.5f);
  EXPECT_EQ(text.XPosition, THorizontalPlace::Free);
  EXPECT_EQ(text.YPosition, TVerticalPlace::Free);

  // A new back from the border dialog empties the undo list: nothing can write into the old blocks.
  Child<QTabBar>(Form, "TabControlFB")->setCurrentIndex(1);
  Trigger("ActionMoveLeft");
  EXPECT_GT(Form->Editor().UndoCount(), 0);
  auto clone = Form->Design().Back.Clone();
  clone->OuterWidth = 2;
  Form->TakeBack(std::move(clone));
  EXPECT_EQ(Form->Editor().UndoCount(), 0);
  Trigger("ActionUndo");
  EXPECT_EQ(Form->Design().Back.OuterWidth, 2);
}

TEST_F(CardsWindowTest, PrintsTheChosenSidesAndFontApplyIsTakenBackByCancel) {
  Form->Design().Front.Texts[0].Lines = {QStringLiteral("FrontWord")};
  Form->Design().Back.Texts[0].Lines = {QStringLiteral("BackWord")};
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(100);
  const QString pdf = Box.Path("cards.pdf");
  printer.setOutputFileName(pdf);
  QString reason;
  ASSERT_TRUE(Form->PrintTo(printer, 1, 2, reason)) << reason.toStdString();
  const auto page = [&](int n) {
    return RunProgram("pdftotext", {"-f", QString::number(n), "-l", QString::number(n), pdf, "-"}).Out;
  };
  EXPECT_TRUE(page(1).contains("FrontWord"));
  EXPECT_TRUE(page(2).contains("BackWord"));
  // A fold card printed one side at a time, "Back": the backs only.
  Child<QRadioButton>(Form, "RadioFold")->click();
  Child<TNumericUpDown>(Form, "nudCards")->SetValue(2);
  Child<QCheckBox>(Form, "cbOneSide")->click();
  ASSERT_TRUE(Form->PrintTo(printer, 2, 2, reason));
  EXPECT_TRUE(page(1).contains("BackWord"));
  EXPECT_FALSE(page(1).contains("FrontWord"));

  // The font dialog: Apply, then Cancel, leaves the block as it was.
  const TTextFont before = Block().Font;
  AnswerDialogs([&] { Form->Action("ActionFont")->trigger(); },
                [&](QDialog* dialog) {
                  auto* fonts = qobject_cast<TFontColorDialog*>(dialog);
                  if (!fonts) return;
                  fonts->SpinSize->setValue(40);
                  fonts->ButtonApply->click();
                  EXPECT_EQ(Block().Font.Size, 40);
                  fonts->reject();
                });
  EXPECT_EQ(Block().Font, before);
}

TEST_F(CardsWindowTest, LoadAndSaveThroughTheWindow) {
  const QString file = Box.Write("design.vzc", "CARD\r\nTYPE=0\r\nNR_CARDS=3\r\nDIRECTION=1\r\nONE_SIDE=0\r\nCENTER=0\r\n"
                                               "BEST_POS=0\r\nUSE_ROI=0\r\nGRIDLINES=0\r\nORIENTATION=0\r\n"
                                               "F_IBMARGIN_L=11\r\nB_IBMARGIN_T=12\r\nF_BGMARGIN=5\r\n");
  int warnings = 0;
  AnswerDialogs([&] { EXPECT_TRUE(Form->LoadFile(file)); },
                [&](QDialog* dialog) {
                  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                    ++warnings;
                    Answer(box, QMessageBox::Ok);
                  }
                });
  EXPECT_EQ(warnings, 1);  // one box lists what was corrected
  EXPECT_TRUE(Child<QRadioButton>(Form, "RadioFold")->isChecked());
  EXPECT_TRUE(Child<QGroupBox>(Form, "GroupFold")->isVisible());
  EXPECT_EQ(Child<TNumericUpDown>(Form, "nudCards")->Value(), 3);
  EXPECT_TRUE(Child<QToolButton>(Form, "sbVouwY")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(Form, "cbOneSide")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(Form, "CheckCenter")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(Form, "CheckGridLines")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(Form, "cbUseROI")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(Form, "cbBestPosition")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(Form, "RadioPortrait")->isChecked());
  EXPECT_TRUE(Child<QGroupBox>(Form, "RadioPrint")->isVisible());
  EXPECT_EQ(Form->Margins[0]->Value(), 11);
  EXPECT_EQ(Child<TNumericUpDown>(Form, "NUpDownBG")->Value(), 5);
  Child<QTabBar>(Form, "TabControlFB")->setCurrentIndex(1);
  EXPECT_EQ(Form->Margins[1]->Value(), 12);
  const QString saved = Box.Path("saved.vzc");
  ASSERT_TRUE(Form->SaveFile(saved));
  TCardDesign again;
  QString message;
  ASSERT_TRUE(CardFile::Load(saved, again, message));
  EXPECT_EQ(CardFile::Serialize(again), ReadFile(saved));
  // A wrong extension changes nothing.
  const QByteArray before = CardFile::Serialize(Form->Design());
  EXPECT_EQ(MessageShownBy([&] { Form->LoadFile(Box.Write("design.txt", "CARD\r\nTYPE=1\r\n")); }),
            CardFile::NotACardFile(Box.Path("design.txt")));
  EXPECT_EQ(CardFile::Serialize(Form->Design()), before);

  // Default asks before it replaces a design of the user's; No keeps it,
  // Yes applies the defaults, and a design at its defaults is not asked about.
  EXPECT_EQ(MessageShownBy([&] { Form->Action("ActionDefault")->trigger(); }, QMessageBox::No),
            QStringLiteral("Replace this card design by the default settings?"));
  EXPECT_EQ(CardFile::Serialize(Form->Design()), before);
  MessageShownBy([&] { Form->Action("ActionDefault")->trigger(); }, QMessageBox::Yes);
  EXPECT_NE(CardFile::Serialize(Form->Design()), before);
  EXPECT_EQ(Form->Margins[0]->Value(), 4);  // the default margin
  EXPECT_EQ(MessageShownBy([&] { Form->Action("ActionDefault")->trigger(); }), QString());
}

TEST(CardDialogs, BorderDialogLinesOrnamentsAndTheirLists) {
  TSandbox box;
  QDir().mkpath(box.Path("ornaments"));
  const QString star = SolidPng(box, "ornaments/star.png", Qt::red);
  box.Write("ornaments/notes.png", "not an image");
  const QString elsewhere = SolidPng(box, "elsewhere.png", Qt::green);
  TCardBack back;
  back.OuterWidth = 3;
  back.Ornaments[1].FileName = elsewhere;
  TSetBorderForm form(&back, {0, 0, 1000, 700}, box.Path("ornaments"), box.Path("patterns"));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.Lines(), 1);
  EXPECT_EQ(Child<TNumericUpDown>(form, "NUpDownOuter")->Value(), 3);
  EXPECT_FALSE(Child<TNumericUpDown>(form, "NUpDownInner")->isVisible());
  EXPECT_FALSE(Child<QGroupBox>(form, "rgSelectLine")->isVisible());
  // The list: "None", then the folder's files (a non-image listed without a picture).
  EXPECT_EQ(form.ComboImage->count(), 3);
  ASSERT_TRUE(WaitFor([&] { return form.ComboImage->PendingIcons() == 0; }));
  EXPECT_FALSE(form.ComboImage->itemData(form.ComboImage->IndexOfPath(star), TImageCombo::IconRole).isNull());
  EXPECT_TRUE(form.ComboImage->itemData(form.ComboImage->IndexOfPath(box.Path("ornaments/notes.png")),
                                        TImageCombo::IconRole).isNull());
  // Double, then Single: inner and space 0; Double again takes them from the fields.
  // The dialog does not rearrange itself for Double (at its smallest, where
  // the rows have no room to spare).
  form.resize(form.minimumSizeHint());
  QCoreApplication::processEvents();
  const QRect outer = Child<TNumericUpDown>(form, "NUpDownOuter")->geometry();
  const QRect preview = Child<TImageViewer>(form, "ViewerBorder")->geometry();
  Child<TNumericUpDown>(form, "NUpDownInner")->SetValue(2);
  Child<TNumericUpDown>(form, "NUpDownSpace")->SetValue(3);
  form.SetLines(2);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Child<TNumericUpDown>(form, "NUpDownInner")->isVisible());
  EXPECT_EQ(Child<TNumericUpDown>(form, "NUpDownOuter")->geometry(), outer);
  EXPECT_EQ(Child<TImageViewer>(form, "ViewerBorder")->geometry(), preview);
  EXPECT_EQ(back.InnerWidth, 2);
  EXPECT_EQ(back.SpaceWidth, 3);
  form.SetLines(1);
  EXPECT_EQ(back.InnerWidth, 0);
  EXPECT_EQ(back.SpaceWidth, 0);
  form.SetLines(2);
  EXPECT_EQ(back.InnerWidth, 2);
  form.SetLines(0);
  EXPECT_EQ(back.OuterWidth, 0);
  EXPECT_FALSE(Child<QGroupBox>(form, "GroupStyle")->isVisible());
  // An ornament from outside the folder is listed by its name; "None" resets size and margin.
  form.SelectOrnament(1);
  EXPECT_EQ(form.ComboImage->PathAt(form.ComboImage->currentIndex()), elsewhere);
  form.SelectOrnament(0);
  form.ComboImage->setCurrentIndex(form.ComboImage->IndexOfPath(star));
  EXPECT_EQ(back.Ornaments[0].FileName, star);
  Child<QSlider>(form, "TrackSize")->setValue(28);
  EXPECT_EQ(back.Ornaments[0].Size, 28);
  form.ComboImage->setCurrentIndex(0);
  EXPECT_EQ(back.Ornaments[0].FileName, QString());
  EXPECT_EQ(back.Ornaments[0].Size, 20);
  EXPECT_EQ(back.Ornaments[0].Margin, 2);
  EXPECT_FALSE(Child<QSlider>(form, "TrackSize")->isEnabled());
  // Lists of an empty and a missing folder hold "None" only.
  TImageCombo empty(TImageCombo::Ornaments);
  QDir().mkpath(box.Path("empty"));
  empty.Fill(box.Path("empty"), true);
  EXPECT_EQ(empty.count(), 1);
  empty.Fill(box.Path("missing"), true);
  EXPECT_EQ(empty.count(), 1);
}

TEST(CardDialogs, BackgroundDialogAlwaysLeavesAValidBrush) {
  TSandbox box;
  QDir().mkpath(box.Path("patterns"));
  QImage tile(8, 8, QImage::Format_RGB32);
  tile.fill(Qt::yellow);
  tile.save(box.Path("patterns/A.BMP"), "BMP");
  TSelectBackgroundForm form(box.Path("patterns"));
  form.ChooseColor = [](const QColor&) { return QColor(10, 20, 30); };
  form.Brush = TBackGroundBrush();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_TRUE(Child<QRadioButton>(form, "RadioColor")->isChecked());
  Child<QRadioButton>(form, "RadioPattern")->click();
  EXPECT_EQ(form.Brush.FileName, box.Path("patterns/A.BMP"));  // the first pattern at once
  Child<QRadioButton>(form, "RadioColor")->click();
  EXPECT_EQ(form.Brush.FileName, QString());
  EXPECT_EQ(form.Brush.Color, 0xFFFFFFFFu);  // the swatch's white
  form.ActionColorExecute();
  EXPECT_EQ(form.Brush.Color, QColor(10, 20, 30).rgba());
  form.hide();
  // A pattern from a loaded file is kept and listed; an empty folder offers no pattern.
  form.Brush.FileName = QStringLiteral("/somewhere/else/Stone.bmp");
  form.show();
  EXPECT_TRUE(Child<QRadioButton>(form, "RadioPattern")->isChecked());
  EXPECT_EQ(Child<TImageCombo>(form, "ComboPattern")->PathAt(Child<TImageCombo>(form, "ComboPattern")->currentIndex()),
            QStringLiteral("/somewhere/else/Stone.bmp"));
  form.hide();
  QDir().mkpath(box.Path("none"));
  TSelectBackgroundForm bare(box.Path("none"));
  bare.show();
  EXPECT_FALSE(Child<QRadioButton>(bare, "RadioPattern")->isEnabled());
  Child<QRadioButton>(bare, "RadioPattern")->setChecked(true);
  Child<QRadioButton>(bare, "RadioPattern")->click();
  EXPECT_TRUE(bare.Brush.FileName.isEmpty());
}
