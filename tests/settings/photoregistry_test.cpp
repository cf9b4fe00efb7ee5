// SPDX-License-Identifier: GPL-3.0-or-later
#include "photoregistry.h"
#include "testsupport.h"
#include "zelvaneerror.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

TEST(PhotoRegistry, FirstRunGivesTheDefaults) {
  TSandbox box;
  TPhotoRegistry registry(box.Path("Zelvane.ini"));
  TPhotoSettings settings;
  TProcessSettings process;
  process.MainForm = "stale";
  registry.LoadSettings(settings, process);
  EXPECT_EQ(settings.Actors, QStringLiteral("No actors;"));
  EXPECT_EQ(settings.CurrentDirectory, QDir::currentPath());
  EXPECT_EQ(settings.ExportDirectory, QDir::currentPath());
  EXPECT_EQ(settings.ShowOnViewer, QStringLiteral("N;"));
  EXPECT_EQ(settings.SlideShow, QStringLiteral("3;1;"));
  EXPECT_EQ(settings.ListSort, 0);
  EXPECT_EQ(settings.WriteStandardMetadata, 1);
  EXPECT_EQ(settings.ShowHidden, 0);
  const QString program = TPhotoRegistry::ProgramFolder();
  EXPECT_TRUE(program.endsWith(u'/'));
  EXPECT_EQ(process.Templates, program + "Templates/");
  EXPECT_EQ(process.BGPatterns, program + "BackGround/");
  EXPECT_EQ(process.Ornaments, program + "Ornament/");
  EXPECT_EQ(process.MainForm, QString());
  EXPECT_EQ(process.BorderForm, QString());
}

TEST(PhotoRegistry, EveryValueRoundTripsAndTheFoldersAreNeverWritten) {
  TSandbox box;
  const QString file = box.Path("Zelvane.ini");
  const TPhotoSettings saved{"Anna;Bob, Jr.;Zoë;", "/home/u/Foto's", "/media/usb", "N;D;L;T;", "5;0", 2, 0, 1};
  TProcessSettings process;
  process.Templates = "/elsewhere/Templates/";
  process.MainForm = "0;222;131;805;697;";
  process.EditForm = "1;0;0;0;0;";
  process.PrintForm = "0;1;2;3;4;";
  process.CardsForm = "0;5;6;7;8;";
  process.ExportForm = "0;9;10;11;12;";
  process.FindForm = "0;13;14;15;16;";
  process.BorderForm = "0;17;18;19;20;";
  process.PrintLayout = "PRINT\r\nROWS=3\r\nFONTFAMILY=Noto Sans; Bold\r\n";
  process.LayoutFolder = "/home/u/Layouts";
  process.CardFolder = "/home/u/Kaarten";
  TPhotoRegistry(file).SaveSettings(saved, process);

  TPhotoSettings loaded;
  TProcessSettings reread;
  TPhotoRegistry(file).LoadSettings(loaded, reread);
  EXPECT_EQ(loaded, saved);
  EXPECT_EQ(reread.MainForm, process.MainForm);
  EXPECT_EQ(reread.EditForm, process.EditForm);
  EXPECT_EQ(reread.BorderForm, process.BorderForm);
  EXPECT_EQ(reread.PrintLayout, process.PrintLayout);  // line breaks and all
  EXPECT_EQ(reread.LayoutFolder, process.LayoutFolder);
  EXPECT_EQ(reread.CardFolder, process.CardFolder);
  EXPECT_EQ(reread.Templates, TPhotoRegistry::ProgramFolder() + "Templates/");

  const QString text = QString::fromUtf8(ReadFile(file));
  // Values holding ";" are quoted, as the INI format needs.
  for (const char* line : {"ListSort=2", "WriteStandardMetadata=0", "ShowHidden=1", "MainForm=\"0;222;131;805;697;\"", "SlideShow=\"5;0\"",
                           "ShowOnViewer=\"N;D;L;T;\"", "Actors=\"Anna;Bob, Jr.;Zo"})
    EXPECT_TRUE(text.contains(QLatin1String(line))) << line << "\n" << text.toStdString();
  EXPECT_FALSE(text.contains("Templates"));
  EXPECT_FALSE(text.contains("BGPatterns"));
  EXPECT_FALSE(text.contains("Ornaments"));
}

TEST(PhotoRegistry, ValuesOfTheWrongKindGiveTheDefaults) {
  TSandbox box;
  const QString file = box.Write("Zelvane.ini",
                                 "[General]\nListSort=name\nActors=Anna, Bob\nShowOnViewer=\"D;\"\nSlideShow=\n"
                                 "WriteStandardMetadata=yes\n");
  TPhotoRegistry registry(file);
  EXPECT_EQ(registry.ReadIntegerDefault("ListSort", 7), 7);
  EXPECT_EQ(registry.ReadIntegerDefault("Missing", 3), 3);
  EXPECT_EQ(registry.ReadStringDefault("Actors", "x"), QStringLiteral("x"));  // a list, not a text
  TPhotoSettings settings;
  TProcessSettings process;
  registry.LoadSettings(settings, process);
  EXPECT_EQ(settings.ListSort, 0);
  EXPECT_EQ(settings.Actors, QStringLiteral("No actors;"));
  EXPECT_EQ(settings.ShowOnViewer, QStringLiteral("D;"));
  EXPECT_EQ(settings.SlideShow, QString());  // present and empty is a value
  EXPECT_EQ(settings.WriteStandardMetadata, 1);
  // Any number but 0 means on.
  TPhotoSettings other;
  TPhotoRegistry(box.Write("Other.ini", "[General]\nWriteStandardMetadata=7\n")).LoadSettings(other, process);
  EXPECT_EQ(other.WriteStandardMetadata, 1);
  TPhotoRegistry(box.Write("Off.ini", "[General]\nWriteStandardMetadata=0\n")).LoadSettings(other, process);
  EXPECT_EQ(other.WriteStandardMetadata, 0);
}

TEST(PhotoRegistry, SavingReplacesTheFileInOneStep) {
  TSandbox box;
  const QString file = box.Path("Zelvane.ini");
  TProcessSettings process;
  TPhotoRegistry(file).SaveSettings(TPhotoSettings{"A;", "/a", "/b", "N;", "3;1;", 0}, process);
  struct stat before{}, after{};
  ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &before), 0);
  TPhotoRegistry(file).SaveSettings(TPhotoSettings{"B;", "/a", "/b", "N;", "3;1;", 1}, process);
  ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
  // A new file took the old one's name: the old content was never truncated.
  EXPECT_NE(before.st_ino, after.st_ino);
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files), QStringList{"Zelvane.ini"});
}

TEST(PhotoRegistry, AFailedWriteIsReported) {
  TSandbox box;
  const QString notAFolder = box.Write("file", "x");
  TPhotoRegistry registry(notAFolder + "/Zelvane.ini");
  TProcessSettings process;
  EXPECT_THROW(registry.SaveSettings(TPhotoSettings{}, process), EZelvaneError);
}
