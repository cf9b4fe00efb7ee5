// SPDX-License-Identifier: GPL-3.0-or-later
#include "callerenvironment.h"
#include "childprocess.h"

#include <gtest/gtest.h>

// What the CD's launcher keeps is given back: a value the caller had, a
// variable the caller did not have removed, and one the launcher did not
// keep left alone; the kept copies go too. A program started afterwards sees
// the caller's environment.
TEST(CallerEnvironment, TheLaunchersVariablesGoBackToTheCallersValues) {
  ::setenv("LD_LIBRARY_PATH", "/medium/Viewer/lib:/caller/lib", 1);
  ::setenv("ZELVANE_CALLER_LD_LIBRARY_PATH", "1/caller/lib", 1);
  ::setenv("QT_PLUGIN_PATH", "/medium/Viewer/plugins", 1);
  ::setenv("ZELVANE_CALLER_QT_PLUGIN_PATH", "0", 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::unsetenv("ZELVANE_CALLER_QT_QPA_PLATFORM");
  CallerEnvironment::Restore();
  EXPECT_STREQ(std::getenv("LD_LIBRARY_PATH"), "/caller/lib");
  EXPECT_EQ(std::getenv("QT_PLUGIN_PATH"), nullptr);
  EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "offscreen");
  EXPECT_EQ(std::getenv("ZELVANE_CALLER_LD_LIBRARY_PATH"), nullptr);
  EXPECT_EQ(std::getenv("ZELVANE_CALLER_QT_PLUGIN_PATH"), nullptr);
  const ChildProcess::TResult child =
      ChildProcess::Run("sh", {"-c", "echo \"${LD_LIBRARY_PATH}|${QT_PLUGIN_PATH-unset}\""}, {}, environ, 10000);
  EXPECT_EQ(child.Out, QByteArray("/caller/lib|unset\n"));
  // An empty value is a value.
  ::setenv("ZELVANE_CALLER_LD_LIBRARY_PATH", "1", 1);
  CallerEnvironment::Restore();
  ASSERT_NE(std::getenv("LD_LIBRARY_PATH"), nullptr);
  EXPECT_STREQ(std::getenv("LD_LIBRARY_PATH"), "");
  ::unsetenv("LD_LIBRARY_PATH");
  ::unsetenv("QT_QPA_PLATFORM");
}
