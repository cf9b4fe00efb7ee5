// SPDX-License-Identifier: GPL-3.0-or-later
#include "cameraplaceholders.h"

#include <gtest/gtest.h>

#include "testsupport.h"

TEST(CameraPlaceholders, TextsCamerasWriteOnTheirOwnDescribeNothing) {
  struct TCase {
    const char* Text;
    const char* Make;
    const char* Model;
    bool Placeholder;
  };
  const TCase cases[] = {
      {"OLYMPUS DIGITAL CAMERA", "OLYMPUS IMAGING CORP.", "E-M10", true},
      {"OLYMPUS DIGITAL CAMERA         ", "", "", true},  // padded with spaces, no make known
      {"olympus digital camera", "", "", true},
      {"KONICA MINOLTA DIGITAL CAMERA", "KONICA MINOLTA", "DiMAGE Z6", true},
      {"SONY DSC", "SONY", "DSC-W55", true},
      {"DIGITAL CAMERA", "", "", true},
      {"SANYO DIGITAL CAMERA", "SANYO Electric Co.,Ltd.", "SX113", true},
      {"Exif_JPEG_PICTURE", "HUAWEI", "ELE-L29", true},
      {"", "Canon", "Canon EOS 40D", true},
      {"   ", "Canon", "Canon EOS 40D", true},
      // Only words of the make and model, whatever the case and punctuation.
      {"Canon EOS 40D", "Canon", "Canon EOS 40D", true},
      {"NIKON D70", "NIKON CORPORATION", "NIKON D70", true},
      {"<KENOX S630  / Samsung S630>", "Samsung Techwin", "KENOX S630  / Samsung S630", true},
      {"nikon corporation", "NIKON CORPORATION", "NIKON D70", true},
      // What people write.
      {"Canon EOS 40D on the beach", "Canon", "Canon EOS 40D", false},
      {"Opa in de tuin", "OLYMPUS IMAGING CORP.", "E-M10", false},
      {"SONY DSC at the party", "SONY", "DSC-W55", false},
      {"Digital camera museum", "", "", false},
      {"Canon EOS 40D", "", "", false},  // no camera to compare with
      {"...", "", "", false},
      {"Łódź", "", "", false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(CameraPlaceholders::IsPlaceholder(QString::fromUtf8(c.Text), QString::fromUtf8(c.Make),
                                                QString::fromUtf8(c.Model)),
              c.Placeholder)
        << '"' << c.Text << "\" by " << c.Make << " " << c.Model;
  for (const QString& text : CameraPlaceholders::FixedTexts())
    EXPECT_TRUE(CameraPlaceholders::IsPlaceholder(text, QString(), QString())) << text.toStdString();
}
