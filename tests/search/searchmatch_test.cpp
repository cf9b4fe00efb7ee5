// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagetocompare.h"
#include "imagetodraw.h"
#include "searchattributes.h"
#include "searchmatch.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  TDateTime value = 0;
  EXPECT_TRUE(DateTimeUtil::TryEncode(year, month, day, hour, minute, second, 0, value));
  return value;
}

// Photos with their attributes written by Save, as the search finds them on disk.
class SearchMatchTest : public ::testing::Test {
protected:
  void SetUp() override {
    Photo("p1.jpg", "Molen ÉCLUSE", "Windmill at dawn", "Kinderdijk", At(2004, 7, 15, 0, 0, 0), "Anna;Bob;");
    Photo("p2.jpg", "molen écluse", "", "", At(2004, 7, 15, 23, 59, 59), "");
    Photo("p3.jpg", "Strand", "windmill", "kinderdijk", At(2004, 7, 14, 23, 59, 59), ";;");
    Photo("p4.jpg", "Haven", "", "Delft", At(2004, 7, 16, 0, 0, 0), "bob;");
    Box.Write("plain.jpg", EncodeJpeg(Pattern(20, 10)));  // no stored attributes
    Box.Write("broken.jpg", "not a picture");
  }
  void Photo(const char* file, const char* name, const char* description, const char* location, TDateTime date,
             const char* actors) {
    TImageToDraw record(Box.Write(file, EncodeJpeg(Pattern(20, 10))));
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) {
      a.Name = QString::fromUtf8(name);
      a.Description = QString::fromUtf8(description);
      a.Location = QString::fromUtf8(location);
      a.DateTime = date;
      a.Actors = QString::fromUtf8(actors);
    });
    record.Save();
  }
  // The files that match, each compared as a search job does.
  QStringList Found(const std::function<void(TSearchAttributes&)>& set) {
    TSearchAttributes criteria;
    set(criteria);
    QStringList found;
    for (const char* file : {"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "plain.jpg", "broken.jpg"}) {
      TImageToCompare job(Box.Path(file), criteria);
      job.Run();
      if (job.Match()) found.append(QString::fromLatin1(file));
    }
    return found;
  }
  TSandbox Box;
};

using A = TSearchAttributes;

}  // namespace

TEST_F(SearchMatchTest, TextsFoldAsciiOnlyAndEmptyTextsFindEmptyFields) {
  const auto text = [](int criterion, const char* value) {
    return [criterion, value](A& a) {
      a.SetEnabled(criterion, true);
      (criterion == A::CriterionName ? a.Name : criterion == A::CriterionDescription ? a.Description : a.Location) =
          QString::fromUtf8(value);
    };
  };
  EXPECT_EQ(Found(text(A::CriterionName, "MOLEN")), (QStringList{"p1.jpg", "p2.jpg"}));
  EXPECT_EQ(Found(text(A::CriterionName, "écluse")), QStringList{"p2.jpg"});  // É is not folded
  EXPECT_EQ(Found(text(A::CriterionName, "")), QStringList());
  EXPECT_EQ(Found(text(A::CriterionName, "broken")), QStringList{"broken.jpg"});  // its created name
  EXPECT_EQ(Found(text(A::CriterionName, "plain.jpg")), QStringList{"plain.jpg"});
  EXPECT_EQ(Found(text(A::CriterionDescription, "WINDMILL")), (QStringList{"p1.jpg", "p3.jpg"}));
  EXPECT_EQ(Found(text(A::CriterionDescription, "")),
            (QStringList{"p2.jpg", "p4.jpg", "plain.jpg", "broken.jpg"}));
  EXPECT_EQ(Found(text(A::CriterionLocation, "Kinderdijk")), (QStringList{"p1.jpg", "p3.jpg"}));
  EXPECT_EQ(Found(text(A::CriterionLocation, "")), (QStringList{"p2.jpg", "plain.jpg", "broken.jpg"}));
}

TEST_F(SearchMatchTest, ADayRangeHoldsBothEndsWholeAndActorsCompareIgnoringCase) {
  EXPECT_EQ(Found([](A& a) {
              a.SetEnabled(A::CriterionDate, true);
              a.StartDate = At(2004, 7, 15, 12);  // a time of day does not count
              a.EndDate = At(2004, 7, 15, 6);
            }),
            (QStringList{"p1.jpg", "p2.jpg"}));
  EXPECT_EQ(Found([](A& a) {
              a.SetEnabled(A::CriterionDate, true);
              a.StartDate = At(2004, 7, 14);
              a.EndDate = At(2004, 7, 16);
            }),
            (QStringList{"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"}));
  const auto actors = [](QStringList names, bool all) {
    return [names, all](A& a) {
      a.SetEnabled(A::CriterionActors, true);
      a.Actors = names;
      a.AllActors = all;
    };
  };
  EXPECT_EQ(Found(actors({}, true)), (QStringList{"p2.jpg", "p3.jpg", "plain.jpg", "broken.jpg"}));
  EXPECT_EQ(Found(actors({"BOB"}, true)), (QStringList{"p1.jpg", "p4.jpg"}));
  EXPECT_EQ(Found(actors({"anna", "bob"}, true)), QStringList{"p1.jpg"});
  EXPECT_EQ(Found(actors({"anna", "bob"}, false)), (QStringList{"p1.jpg", "p4.jpg"}));
  EXPECT_EQ(Found(actors({"Zoe"}, false)), QStringList());
  // Several criteria at once, and none at all.
  EXPECT_EQ(Found([](A& a) {
              a.SetEnabled(A::CriterionName, true);
              a.Name = "molen";
              a.SetEnabled(A::CriterionActors, true);
              a.Actors = {"ANNA"};
              a.AllActors = false;
            }),
            QStringList{"p1.jpg"});
  EXPECT_EQ(Found([](A&) {}), QStringList());
}

TEST_F(SearchMatchTest, AVanishedCandidateIsNoMatchAndSaysSo) {
  TSearchAttributes criteria;
  criteria.SetEnabled(A::CriterionDescription, true);  // an empty description: would match
  TImageToCompare gone(Box.Path("plain.jpg"), criteria);
  ASSERT_TRUE(QFile::remove(Box.Path("plain.jpg")));
  gone.Run();
  EXPECT_FALSE(gone.Match());
  EXPECT_TRUE(gone.Vanished());
  EXPECT_EQ(gone.ErrorMessage(), QStringLiteral("Error 10"));
  TImageToCompare broken(Box.Path("broken.jpg"), criteria);
  broken.Run();
  EXPECT_TRUE(broken.Match());
  EXPECT_FALSE(broken.Vanished());
  EXPECT_EQ(broken.ErrorMessage(), QStringLiteral("Error 13"));
}
