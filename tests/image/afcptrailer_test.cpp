// SPDX-License-Identifier: GPL-3.0-or-later
#include "afcptrailer.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include "imagetodraw.h"
#include "testsupport.h"
#include "zelvaneerror.h"

using namespace TestSupport;

namespace {

QByteArray Be32(quint32 v) {
  QByteArray b(4, '\0');
  qToBigEndian<quint32>(v, b.data());
  return b;
}
QByteArray Le32(quint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian<quint32>(v, b.data());
  return b;
}

const QByteArray Iim("\x1C\x02\x05\x00\x05Molen", 10);

// A JPEG with an AFCP trailer holding an IPTC block, as some Windows programs
// append it; pointAt moves the entry's offset (to point outside the trailer).
QByteArray WithTrailer(const QByteArray& jpeg, bool bigEndian, qint64 pointAt = -1) {
  const auto n32 = [bigEndian](quint32 v) { return bigEndian ? Be32(v) : Le32(v); };
  const QByteArray id = bigEndian ? "AXS!" : "AXS*";
  const quint32 start = quint32(jpeg.size());
  QByteArray t = id + (bigEndian ? QByteArray("\0\x01\0\x01", 4) : QByteArray("\x01\0\x01\0", 4)) + n32(0);
  t += "IPTC" + n32(quint32(Iim.size())) + n32(pointAt >= 0 ? quint32(pointAt) : start + 24);
  t += Iim + id + n32(start) + n32(0);
  return jpeg + t;
}

}  // namespace

TEST(AfcpTrailer, ItsOffsetsFollowTheBytesASaveAddsBeforeIt) {
  const QByteArray jpeg = EncodeJpeg(Pattern(20, 20));
  for (bool big : {true, false}) {
    const QByteArray before = WithTrailer(jpeg, big);
    ASSERT_TRUE(AfcpTrailer::IsValid(before));
    QByteArray after = before;
    after.insert(2, QByteArray(300, 'x'));  // a longer head
    EXPECT_FALSE(AfcpTrailer::IsValid(after));
    EXPECT_EQ(AfcpTrailer::Follow(before, after), AfcpTrailer::Moved);
    EXPECT_TRUE(AfcpTrailer::IsValid(after)) << big;
    QByteArray shorter = before;
    shorter.remove(2, 4);
    EXPECT_EQ(AfcpTrailer::Follow(before, shorter), AfcpTrailer::Moved);
    EXPECT_TRUE(AfcpTrailer::IsValid(shorter));
  }
  // No trailer, or one broken before: nothing to do. One pointing into the
  // photo: cannot be followed.
  QByteArray plain = jpeg + "AXS!";
  EXPECT_EQ(AfcpTrailer::Follow(jpeg, plain), AfcpTrailer::Kept);
  QByteArray broken = WithTrailer(jpeg, true);
  broken[broken.size() - 5] = 1;  // the footer points elsewhere
  QByteArray brokenAfter = QByteArray("xx") + broken;
  EXPECT_EQ(AfcpTrailer::Follow(broken, brokenAfter), AfcpTrailer::Kept);
  const QByteArray inside = WithTrailer(jpeg, true, 10);
  QByteArray insideAfter = QByteArray("xx") + inside;
  EXPECT_EQ(AfcpTrailer::Follow(inside, insideAfter), AfcpTrailer::Unmovable);
}

TEST(AfcpTrailer, ASavedPhotoKeepsItValidForExiftool) {
  TSandbox box;
  const QString path = box.Write("afcp.jpg", WithTrailer(ReadFile(DataPath("Canon_40D.jpg")), true));
  TImageToDraw record(path);
  record.LoadAttributes();
  ChangeAttributes(record, [&](auto& a) { a.Name = QStringLiteral("A longer name than before"); });
  record.Save();
  const QJsonObject tags = ExiftoolJson(path, {"-warning", "-IPTC2:ObjectName", "-XMP-dc:Title"});
  EXPECT_FALSE(tags.contains("ExifTool:Warning")) << tags.value("ExifTool:Warning").toString().toStdString();
  EXPECT_EQ(tags.value("IPTC2:ObjectName").toString(), QStringLiteral("Molen"));
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("A longer name than before"));
  EXPECT_TRUE(AfcpTrailer::IsValid(ReadFile(path)));

  // A trailer whose directory points into the photo is refused, the file kept.
  const QString odd = box.Write("odd.jpg", WithTrailer(ReadFile(DataPath("Canon_40D.jpg")), true, 100));
  const QByteArray before = ReadFile(odd);
  TImageToDraw other(odd);
  other.LoadAttributes();
  try {
    other.Save();
    ADD_FAILURE() << "saved a photo whose trailer it could not keep valid";
  } catch (const EZelvaneError& e) {
    EXPECT_EQ(e.Reason(), QStringLiteral("the IPTC trailer at the end of the photo (AFCP) could not be kept valid"));
  }
  EXPECT_EQ(ReadFile(odd), before);
}
