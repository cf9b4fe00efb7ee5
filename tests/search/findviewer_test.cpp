// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogsupport.h"
#include "findviewer.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;
using A = TSearchAttributes;

TEST(FindForm, CheckBoxesFollowTheirEntriesAndStartFillsTheCriteria) {
  TFindImagesForm form;
  form.KnownActors = QStringLiteral(" Anna; Bob;");  // blanks around names are no part of them
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Zelvane - Find images"));
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckPrevious")->isEnabled());
  QTest::keyClicks(Child<QLineEdit>(form, "EditName"), QStringLiteral("  molen "));
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckName")->isChecked());
  Child<QLineEdit>(form, "EditName")->clear();
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckName")->isChecked());
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("  molen "));
  // A start later than the end moves the end; both back to today unchecks "Date".
  Child<QDateEdit>(form, "DTPEnd")->setDate(QDate(2004, 7, 15));
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckDate")->isChecked());
  Child<QDateEdit>(form, "DTPStart")->setDate(QDate(2004, 7, 20));
  EXPECT_EQ(Child<QDateEdit>(form, "DTPEnd")->date(), QDate(2004, 7, 20));
  Child<QDateEdit>(form, "DTPStart")->setDate(QDate::currentDate());
  Child<QDateEdit>(form, "DTPEnd")->setDate(QDate::currentDate());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckDate")->isChecked());
  // An actor typed in another letter case checks the known one.
  Child<QLineEdit>(form, "EditActor")->setText(QStringLiteral("anna"));
  form.Action("ActionAdd")->trigger();
  ASSERT_EQ(Child<QListWidget>(form, "CheckListActors")->count(), 2);
  EXPECT_EQ(Child<QListWidget>(form, "CheckListActors")->item(0)->checkState(), Qt::Checked);
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckActors")->isChecked());
  Child<QLineEdit>(form, "EditActor")->setText(QStringLiteral("Zoe"));
  form.Action("ActionAdd")->trigger();
  EXPECT_EQ(form.KnownActors, QStringLiteral("Anna;Bob;Zoe;"));
  Child<QRadioButton>(form, "RadioAny")->setChecked(true);
  form.Action("ActionStart")->trigger();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  const A& a = form.Attributes;
  EXPECT_TRUE(a.IsEnabled(A::CriterionName));
  EXPECT_EQ(a.Name, QStringLiteral("molen"));
  EXPECT_FALSE(a.IsEnabled(A::CriterionDate));
  EXPECT_TRUE(a.IsEnabled(A::CriterionActors));
  EXPECT_EQ(a.Actors, (QStringList{"Anna", "Zoe"}));
  EXPECT_FALSE(a.AllActors);
  // The next search refines this one; opened again, the window lists the
  // known actors with none checked, and "Actors" as it was left.
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckPrevious")->isEnabled());
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckPrevious")->isChecked());
  form.hide();
  form.show();
  ASSERT_EQ(Child<QListWidget>(form, "CheckListActors")->count(), 3);
  for (int row = 0; row < Child<QListWidget>(form, "CheckListActors")->count(); ++row)
    EXPECT_EQ(Child<QListWidget>(form, "CheckListActors")->item(row)->checkState(), Qt::Unchecked) << row;
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckActors")->isChecked());
  form.Action("ActionStart")->trigger();
  EXPECT_TRUE(form.Attributes.Actors.isEmpty());
  form.show();
  Child<QCheckBox>(form, "CheckIncludeSub")->setChecked(true);
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckPrevious")->isChecked());
  form.Action("ActionReset")->trigger();
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckName")->isChecked());
  EXPECT_TRUE(Child<QLineEdit>(form, "EditName")->text().isEmpty());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckActors")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(form, "RadioAll")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(form, "CheckIncludeSub")->isChecked());
}

TEST(FindForm, StartSaysWhatIsMissing) {
  TFindImagesForm form;
  form.show();
  EXPECT_EQ(MessageShownBy([&] { form.Action("ActionStart")->trigger(); }),
            QStringLiteral("No attributes checked to search."));
  Child<QCheckBox>(form, "CheckName")->setChecked(true);  // checked, no text: asked, No keeps the window
  EXPECT_EQ(MessageShownBy([&] { form.Action("ActionStart")->trigger(); }, QMessageBox::No),
            QStringLiteral("The name attribute is checked, but no value given.\n"
                           "Do you want to resume the search without the name?"));
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckName")->isChecked());
  EXPECT_TRUE(form.isVisible());
  Child<QDateEdit>(form, "DTPStart")->setDate(QDate(2004, 7, 20));
  Child<QDateEdit>(form, "DTPEnd")->setDate(QDate(2004, 7, 10));
  EXPECT_TRUE(Child<QCheckBox>(form, "CheckDate")->isChecked());
  Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("x"));
  EXPECT_EQ(MessageShownBy([&] { form.Action("ActionStart")->trigger(); }),
            QStringLiteral("The enddate is smaller than the startdate."));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(MessageShownBy([&] { form.Action("ActionAdd")->trigger(); }), QStringLiteral("No actor to be added."));
}

TEST(FindForm, EnterMovesOnAndAddsAnActor) {
  TFindImagesForm form;
  form.show();
  QApplication::setActiveWindow(&form);
  Child<QLineEdit>(form, "EditName")->setFocus();
  QTest::keyClick(Child<QLineEdit>(form, "EditName"), Qt::Key_Return);
  EXPECT_TRUE(Child<QLineEdit>(form, "EditDescription")->hasFocus());  // the next entry, not a check box or a button
  EXPECT_TRUE(form.isVisible());
  Child<QDateEdit>(form, "DTPEnd")->setFocus();
  QTest::keyClick(Child<QDateEdit>(form, "DTPEnd"), Qt::Key_Return);
  EXPECT_TRUE(Child<QListWidget>(form, "CheckListActors")->hasFocus());
  QTest::keyClick(Child<QListWidget>(form, "CheckListActors"), Qt::Key_Return);
  EXPECT_TRUE(Child<QLineEdit>(form, "EditActor")->hasFocus());
  QTest::keyClicks(Child<QLineEdit>(form, "EditActor"), QStringLiteral("Zoe"));
  QTest::keyClick(Child<QLineEdit>(form, "EditActor"), Qt::Key_Return);
  ASSERT_EQ(Child<QListWidget>(form, "CheckListActors")->count(), 1);
  EXPECT_EQ(Child<QListWidget>(form, "CheckListActors")->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(form.KnownActors, QStringLiteral("Zoe;"));
}

TEST(FindForm, ThePeopleListShowsFiveRowsAndANewPersonInSight) {
  TFindImagesForm form;
  QStringList many;
  for (int i = 0; i < 30; ++i) many.append(QStringLiteral("Person %1").arg(i, 2, 10, QLatin1Char('0')));
  form.KnownActors = many.join(u';') + u';';
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QListWidget* list = Child<QListWidget>(form, "CheckListActors");
  const int row = list->visualItemRect(list->item(0)).height();
  ASSERT_GT(row, 0);
  EXPECT_GE(list->viewport()->height(), 5 * row - 2);
  // "Zz", sorted last, is scrolled into sight once added.
  Child<QLineEdit>(form, "EditActor")->setText(QStringLiteral("Zz"));
  form.Action("ActionAdd")->trigger();
  QListWidgetItem* added = list->findItems(QStringLiteral("Zz"), Qt::MatchExactly).value(0);
  ASSERT_NE(added, nullptr);
  QCoreApplication::processEvents();
  EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(added)));
}
