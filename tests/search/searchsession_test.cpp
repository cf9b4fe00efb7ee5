// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchsession.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TSearchAttributes NameContains(const QString& text, bool subfolders = false) {
  TSearchAttributes criteria;
  criteria.SetEnabled(TSearchAttributes::CriterionName, true);
  criteria.Name = text;
  criteria.IncludeSubfolders = subfolders;
  return criteria;
}

}  // namespace

// A folder search walks the tree on a worker, then compares: the steps are
// announced in order, progress reaches every candidate and the matches come
// in the walk's order.
TEST(SearchSession, WalksTheFolderThenComparesItsPhotos) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  ASSERT_TRUE(QDir().mkpath(box.Path("photos/sub")));
  const QString hitA = box.Write("photos/hit-a.jpg", jpeg);
  box.Write("photos/miss.jpg", jpeg);
  const QString hitB = box.Write("photos/sub/hit-b.jpg", jpeg);
  TSearchSession session(NameContains("hit", true), box.Path("photos"), {}, false);
  QSignalSpy walking(&session, &TSearchSession::Walking);
  QSignalSpy comparing(&session, &TSearchSession::Comparing);
  QSignalSpy progress(&session, &TSearchSession::Progress);
  QSignalSpy ended(&session, &TSearchSession::Ended);
  session.Start();
  EXPECT_EQ(walking.count(), 1);
  ASSERT_TRUE(WaitFor([&] { return !ended.isEmpty(); }));
  EXPECT_EQ(session.Outcome(), TSearchSession::TOutcome::Found);
  ASSERT_EQ(comparing.count(), 1);
  EXPECT_EQ(comparing.first().at(0).toInt(), 3);
  ASSERT_FALSE(progress.isEmpty());
  EXPECT_EQ(progress.last().at(0).toInt(), 3);
  EXPECT_EQ(session.Matches(), (QStringList{hitA, hitB}));
  QCoreApplication::processEvents();
  EXPECT_EQ(ended.count(), 1);
}

// "Search in the previous result" compares the given files without walking.
TEST(SearchSession, ThePreviousResultIsSearchedWithoutAWalk) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  const QString hit = box.Write("hit.jpg", jpeg);
  const QString miss = box.Write("miss.jpg", jpeg);
  TSearchAttributes criteria = NameContains("HIT");
  criteria.UsePrevious = true;
  TSearchSession session(criteria, box.Path(""), {miss, hit}, false);
  QSignalSpy walking(&session, &TSearchSession::Walking);
  session.Start();
  ASSERT_TRUE(WaitFor([&] { return session.Outcome() != TSearchSession::TOutcome::Running; }));
  EXPECT_EQ(walking.count(), 0);
  EXPECT_EQ(session.Outcome(), TSearchSession::TOutcome::Found);
  EXPECT_EQ(session.Matches(), QStringList{hit});
}

// A folder without photos ends with nothing to search, and no comparison.
TEST(SearchSession, AnEmptyFolderHasNothingToSearch) {
  TSandbox box;
  QDir().mkpath(box.Path("empty"));
  TSearchSession session(NameContains("x"), box.Path("empty"), {}, false);
  QSignalSpy comparing(&session, &TSearchSession::Comparing);
  QSignalSpy ended(&session, &TSearchSession::Ended);
  session.Start();
  ASSERT_TRUE(WaitFor([&] { return !ended.isEmpty(); }));
  EXPECT_EQ(session.Outcome(), TSearchSession::TOutcome::NothingToSearch);
  EXPECT_EQ(comparing.count(), 0);
}

// Cancel during the walk ends the session at once; the walk's late result
// is dropped, so no comparison starts and Ended comes only once.
TEST(SearchSession, CancelDuringTheWalkEndsItOnce) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(QDir().mkpath(box.Path(QStringLiteral("photos/d%1").arg(i))));
    box.Write(QStringLiteral("photos/d%1/p.jpg").arg(i), jpeg);
  }
  TSearchSession session(NameContains("p", true), box.Path("photos"), {}, false);
  QSignalSpy comparing(&session, &TSearchSession::Comparing);
  QSignalSpy ended(&session, &TSearchSession::Ended);
  session.Start();
  session.Cancel();
  EXPECT_EQ(session.Outcome(), TSearchSession::TOutcome::Cancelled);
  QTest::qWait(200);  // time for a walk that was not stopped to call back
  EXPECT_EQ(comparing.count(), 0);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(session.Matches().isEmpty());
}

// Cancel during the comparison: no matches, and the run stops.
TEST(SearchSession, CancelDuringTheComparisonKeepsNoMatches) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  QStringList previous;
  for (int i = 0; i < 2000; ++i) previous.append(box.Write(QStringLiteral("p%1.jpg").arg(i), jpeg));
  TSearchAttributes criteria = NameContains("p");
  criteria.UsePrevious = true;
  TSearchSession session(criteria, {}, previous, false);
  QSignalSpy comparing(&session, &TSearchSession::Comparing);
  session.Start();
  ASSERT_EQ(comparing.count(), 1);
  session.Cancel();
  QTest::qWait(100);
  EXPECT_EQ(session.Outcome(), TSearchSession::TOutcome::Cancelled);
  EXPECT_TRUE(session.Matches().isEmpty());
}
