// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideshow.h"
#include "viewersettings.h"

#include <gtest/gtest.h>
#include <vector>

TEST(SlideShow, WithoutRepeatItStopsBeforeWhereItStartedAndWithRepeatItWraps) {
  TSlideShow show;
  show.Start(2);  // the third of five
  std::vector<int> visited;
  int index = 2;
  for (int next; (next = show.Tick(index, 5, false)) >= 0;) visited.push_back(index = next);
  EXPECT_EQ(visited, (std::vector<int>{3, 4, 0, 1}));  // 4, 5, 1, 2 counted from one; it stays on 2
  EXPECT_FALSE(show.IsRunning());
  show.Start(4);
  index = 4;
  for (int tick = 0; tick < 12; ++tick) index = show.Tick(index, 5, true);
  EXPECT_EQ(index, 1);  // wrapped twice and on
  EXPECT_TRUE(show.IsRunning());
  show.Stop();
  EXPECT_EQ(show.Tick(index, 5, true), -1);
  TSlideShow single;
  single.Start(0);
  EXPECT_EQ(single.Tick(0, 1, false), -1);  // one photo, no repeat: nothing to step to
}

TEST(ViewerSettings, StringsInAndOutWithDefaultsForWhatIsMissingOrBad) {
  struct TCase {
    QString Show, Slide;
    bool N, D, L, T;
    int Seconds;
    bool Repeat;
    QString ShowOut, SlideOut;
  };
  for (const TCase& c : {TCase{"N;", "3;1;", true, false, false, false, 3, true, "N;", "3;1"},
                         TCase{"t;n;l;d;", "5;0", true, true, true, true, 5, false, "N;D;L;T;", "5;0"},
                         TCase{"", "N;T;", false, false, false, false, 3, true, "", "3;1"},
                         TCase{"X;garbage", "garbage", false, false, false, false, 3, true, "", "3;1"},
                         TCase{"L;", "0;1", false, false, true, false, 1, true, "L;", "1;1"},
                         TCase{"D;", "25;7;", false, true, false, false, 10, true, "D;", "10;1"}}) {
    const TViewerSettings s = TViewerSettings::FromStrings(c.Show, c.Slide);
    EXPECT_EQ(s.ShowName, c.N) << c.Show.toStdString();
    EXPECT_EQ(s.ShowDescription, c.D) << c.Show.toStdString();
    EXPECT_EQ(s.ShowLocation, c.L) << c.Show.toStdString();
    EXPECT_EQ(s.ShowDateTime, c.T) << c.Show.toStdString();
    EXPECT_EQ(s.Seconds, c.Seconds) << c.Slide.toStdString();
    EXPECT_EQ(s.RepeatShow, c.Repeat) << c.Slide.toStdString();
    EXPECT_EQ(s.ShowOnViewer(), c.ShowOut);
    EXPECT_EQ(s.SlideShow(), c.SlideOut);
  }
}
