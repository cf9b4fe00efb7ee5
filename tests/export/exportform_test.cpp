// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogsupport.h"
#include "directorytree.h"
#include "exportform.h"
#include "photosettings.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(ExportOptionsForm, KindsSizesAndTheStartCheck) {
  TExportOptionsForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Zelvane - Export images"));
  EXPECT_TRUE(Child<QCheckBox>(form, "cOrigSize")->isChecked());
  EXPECT_FALSE(Child<QWidget>(form, "PanelSize")->isVisible());
  EXPECT_FALSE(Child<QCheckBox>(form, "cLaunch")->isVisible());
  EXPECT_FALSE(Child<QGroupBox>(form, "RadioCD")->isVisible());
  form.resize(form.minimumSizeHint());  // no room to spare
  QCoreApplication::processEvents();
  const QRect tree = form.DirectoryTreeExport->geometry();
  // HTML pages: ROI on, full size off and hidden, launch and attributes shown.
  Child<QRadioButton>(form, "RadioHtml")->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.DirectoryTreeExport->geometry(), tree);  // the layout stays put
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckROI")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(form, "cOrigSize")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(form, "cOrigSize")->isVisible());
  EXPECT_TRUE(Child<QWidget>(form, "PanelSize")->isVisible());
  EXPECT_TRUE(Child<QCheckBox>(form, "cLaunch")->isVisible());
  EXPECT_TRUE(Child<QGroupBox>(form, "GroupAttrs")->isVisible());
  EXPECT_EQ(form.Options().Kind, TExportOptions::Html);
  // Back to copies: ROI off, full size on; CD shows its Include group.
  Child<QRadioButton>(form, "RadioCopy")->click();
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckROI")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(form, "cOrigSize")->isChecked());
  EXPECT_FALSE(Child<QWidget>(form, "PanelSize")->isVisible());
  Child<QRadioButton>(form, "RadioCd")->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.DirectoryTreeExport->geometry(), tree);
  EXPECT_TRUE(Child<QGroupBox>(form, "RadioCD")->isVisible());
  EXPECT_EQ(form.Options().Include, TExportOptions::AutorunAndViewer);
  // Use ROI asks for a size; full size gives it up again.
  Child<QCheckBox>(form, "CheckROI")->click();
  EXPECT_FALSE(Child<QCheckBox>(form, "cOrigSize")->isChecked());
  EXPECT_TRUE(Child<QWidget>(form, "PanelSize")->isVisible());
  Child<QCheckBox>(form, "cOrigSize")->click();
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckROI")->isChecked());
  // The presets, and the size check of Start.
  Child<QSlider>(form, "TrackSize")->setValue(0);
  EXPECT_EQ(Child<QLineEdit>(form, "EditWidth")->text(), QStringLiteral("320"));
  EXPECT_EQ(Child<QLineEdit>(form, "EditHeight")->text(), QStringLiteral("240"));
  Child<QSlider>(form, "TrackSize")->setValue(6);
  EXPECT_EQ(form.Options().Width, 1600);
  EXPECT_EQ(form.Options().Height, 1200);
  for (const char* bad : {"0", "abc", "20000"}) {
    Child<QLineEdit>(form, "EditWidth")->setText(QString::fromLatin1(bad));
    EXPECT_EQ(MessageShownBy([&] { form.Action("ActionStart")->trigger(); }),
              QStringLiteral("Incorrect image width and/or height."));
    EXPECT_TRUE(form.isVisible());
  }
  Child<QLineEdit>(form, "EditWidth")->setText(QStringLiteral("640"));
  form.Action("ActionStart")->trigger();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
}

// At the size it opens with, every kind's controls get the room they need:
// no check box, radio button, slider or list is squeezed below its smallest
// legible size.
TEST(ExportOptionsForm, OpensWithRoomForEveryKind) {
  ProcessSettings().ExportForm.clear();  // no placement stored by an earlier window
  TExportOptionsForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  for (QRadioButton* kind : {Child<QRadioButton>(form, "RadioCopy"), Child<QRadioButton>(form, "RadioHtml"),
                             Child<QRadioButton>(form, "RadioCd")}) {
    kind->click();
    if (kind == Child<QRadioButton>(form, "RadioCd"))
      Child<QCheckBox>(form, "CheckROI")->click();  // shows the size panel as well
    QCoreApplication::processEvents();
    int checked = 0;
    for (QWidget* child : form.findChildren<QWidget*>()) {
      if (!child->isVisibleTo(&form) || child->isWindow() || !child->parentWidget()->layout()) continue;
      // What a layout gives at least: the widget's own minimum where it has
      // one, else its hint.
      QSize least = child->minimumSizeHint();
      if (!least.isValid()) continue;
      if (child->minimumWidth() > 0) least.setWidth(child->minimumWidth());
      if (child->minimumHeight() > 0) least.setHeight(child->minimumHeight());
      EXPECT_GE(child->height(), least.height())
          << kind->text().toStdString() << ": " << child->metaObject()->className() << " " << child->height() << " < "
          << least.height();
      EXPECT_GE(child->width(), least.width()) << kind->text().toStdString() << ": " << child->metaObject()->className()
                                               << " " << child->width() << " < " << least.width();
      ++checked;
    }
    EXPECT_GT(checked, 10);
  }
}
