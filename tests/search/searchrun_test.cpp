// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchrun.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(SearchRun, MatchesComeInCandidateOrderAndCancelLeavesItUnfinished) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(16, 16));
  QStringList candidates;
  for (int i = 0; i < 300; ++i)
    candidates.append(box.Write(QStringLiteral("%1%2.jpg").arg(i % 3 == 0 ? "hit" : "miss").arg(i, 3, 10, QChar(u'0')),
                                jpeg));
  candidates.append(box.Path("vanished.jpg"));  // listed, then gone
  TSearchAttributes criteria;
  criteria.SetEnabled(TSearchAttributes::CriterionName, true);
  criteria.Name = QStringLiteral("HIT");
  {
    TSearchRun run(candidates, criteria, 2);
    QSignalSpy progress(&run, &TSearchRun::Progress);
    QSignalSpy finished(&run, &TSearchRun::Finished);
    run.Start();
    ASSERT_TRUE(WaitFor([&] { return run.IsFinished(); }));
    EXPECT_EQ(finished.count(), 1);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toInt(), 301);
    EXPECT_LT(progress.count(), 301);  // in batches, not one hand-over per photo
    QStringList expected;
    for (int i = 0; i < 300; i += 3) expected.append(candidates[i]);
    EXPECT_EQ(run.Matches(), expected);
    ASSERT_EQ(run.Problems().size(), 1u);
    EXPECT_TRUE(run.Problems().front().Vanished);
  }
  TSearchRun cancelled(candidates + candidates + candidates, criteria, 1);
  QSignalSpy finished(&cancelled, &TSearchRun::Finished);
  cancelled.Start();
  cancelled.Cancel();
  QCoreApplication::processEvents();
  EXPECT_FALSE(cancelled.IsFinished());
  EXPECT_EQ(finished.count(), 0);
  EXPECT_TRUE(cancelled.Matches().isEmpty());
}
