// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributetext.h"

#include <gtest/gtest.h>

TEST(AttributeText, WritesWindows1252WhenEveryCharacterFits) {
  EXPECT_EQ(AttributeText::Encode(QStringLiteral("Café")), QByteArray("Caf\xE9"));
  EXPECT_EQ(AttributeText::Encode(QStringLiteral("5 €")), QByteArray("5 \x80"));
  EXPECT_EQ(AttributeText::Encode(QStringLiteral("‘quoted’ — Œuvre")), QByteArray("\x91quoted\x92 \x97 \x8Cuvre"));
}

TEST(AttributeText, WritesUtf8WhenSomeCharacterDoesNotFit) {
  EXPECT_EQ(AttributeText::Encode(QStringLiteral("Café ✓")), QStringLiteral("Café ✓").toUtf8());
  EXPECT_EQ(AttributeText::Encode(QStringLiteral("Łódź")), QStringLiteral("Łódź").toUtf8());
  // Fits, but its Windows-1252 bytes C3 A9 would read back as "é".
  EXPECT_EQ(AttributeText::Encode(QStringLiteral("Ã©")), QStringLiteral("Ã©").toUtf8());
}

TEST(AttributeText, EveryTextReadsBackAsWritten) {
  for (const QString& text : {QStringLiteral("Ã©"), QStringLiteral("€"), QStringLiteral("é"), QStringLiteral("Â"),
                              QStringLiteral("Ã©t€ Łódź"), QStringLiteral("plain")})
    EXPECT_EQ(AttributeText::Decode(AttributeText::Encode(text)), text) << text.toStdString();
}

TEST(AttributeText, ReadsUtf8ElseWindows1252UpToTheFirstNul) {
  EXPECT_EQ(AttributeText::Decode(QByteArray("Caf\xE9\0tail", 9)), QStringLiteral("Café"));
  EXPECT_EQ(AttributeText::Decode(QStringLiteral("Łódź").toUtf8() + '\0'), QStringLiteral("Łódź"));
  EXPECT_EQ(AttributeText::Decode(QByteArray("\x80\x81\x9F")), QString(QChar(0x20AC)) + QChar(0x81) + QChar(0x178));
  EXPECT_EQ(AttributeText::Decode(QByteArray("\0", 1)), QString());
  EXPECT_EQ(AttributeText::Decode(QByteArray()), QString());
}

TEST(AttributeText, EveryWindows1252TextRoundTrips) {
  QByteArray all;
  for (int b = 1; b < 256; ++b) all.append(char(b));
  const QString text = AttributeText::FromWindows1252(all);
  EXPECT_TRUE(AttributeText::FitsWindows1252(text));
  EXPECT_EQ(AttributeText::Encode(text), all);
}
