// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmlalbum.h"

#include "attributetext.h"
#include "datetime.h"
#include "exportfile.h"
#include "exportplan.h"
#include "geometry.h"
#include "imagetodraw.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using ExportNames::Html;
using ExportNames::LinkPath;
using ExportNames::LinkSegment;

namespace {

QString TrAlbum(const char* text) {
  return QCoreApplication::translate("THTMLAlbum", text);
}

bool WritePage(const QString& path, const QStringList& lines, QString& error) {
  return ExportFile::Write(path, HtmlTemplate::Bytes(lines), error);
}

QString NameOf(const QString& line) {
  const qsizetype equals = line.indexOf(u'=');
  return equals < 0 ? QString() : line.left(equals);
}

}  // namespace

namespace HtmlTemplate {

bool Load(const QString& path, QStringList& lines, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
  }
  QString text = AttributeText::Decode(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines = text.split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return true;
}

void ReplaceLine(QStringList& lines, int index, const QString& value) {
  QString text = value;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList parts = text.split(u'\n');
  if (parts.size() > 1 && parts.last().isEmpty()) parts.removeLast();
  lines.removeAt(index);
  for (int i = 0; i < parts.size(); ++i) lines.insert(index + i, parts[i]);
}

void Replace(QStringList& lines, const QString& placeholder, const QString& value, bool allLines) {
  for (int i = 0; i < lines.size(); ++i) {
    const qsizetype at = lines[i].indexOf(placeholder);
    if (at < 0) continue;
    QString line = lines[i];
    line.replace(at, placeholder.size(), value);
    const int before = int(lines.size());
    ReplaceLine(lines, i, line);
    i += int(lines.size()) - before;  // past the lines the value brought
    if (!allLines) return;
  }
}

int FindNamed(const QStringList& lines, const QString& name) {
  for (int i = 0; i < lines.size(); ++i)
    if (NameOf(lines[i]) == name) return i;
  return -1;
}

QByteArray Bytes(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  return bytes;
}

}  // namespace HtmlTemplate

bool THTMLAlbum::Create(const QString& templateFolder, QString& error) {
  const QString folder = templateFolder.endsWith(u'/') ? templateFolder : templateFolder + u'/';
  RootTemplate = folder + QStringLiteral("RootTemplate.html");
  FoldersTemplate = folder + QStringLiteral("FoldersTemplate.html");
  IndexTemplate = folder + QStringLiteral("IndexTemplate.html");
  MainTemplate = folder + QStringLiteral("MainTemplate.html");
  ImagesTemplate = folder + QStringLiteral("ImagesTemplate.html");
  for (const QString& path : {RootTemplate, FoldersTemplate, IndexTemplate, MainTemplate, ImagesTemplate})
    if (!QFileInfo(path).isFile()) {
      error = TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "No templates found for HTML pages."));
      return false;
    }
  return true;
}

bool THTMLAlbum::ChildFragments(int folder, int level, QString& value, QString& error) {
  const QList<int>& children = Plan->Folders[folder].Children;
  value.clear();
  if (children.isEmpty()) return true;
  QStringList fragment;
  for (int child : children) {
    QStringList lines;
    if (!BuildFolderFragment(child, level, lines, error)) return false;
    fragment += lines;
  }
  value = QStringLiteral("<UL>") + fragment.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n</UL>");
  return true;
}

bool THTMLAlbum::BuildFolderFragment(int folder, int level, QStringList& lines, QString& error) {
  if (!HtmlTemplate::Load(FoldersTemplate, lines, error)) return false;
  const auto& node = Plan->Folders[folder];
  // A line holding only the level placeholder becomes the line named
  // "<%level%>" (older templates); inside a line the placeholder stays for
  // the folders page to fill, so a link is never split over lines.
  const QString levelMark = QStringLiteral("<%level%>");
  for (QString& line : lines) {
    if (!line.contains(levelMark)) continue;
    if (line.trimmed() == levelMark) line = QStringLiteral("<%level%>=%1").arg(level);
    break;
  }
  HtmlTemplate::Replace(lines, QStringLiteral("<%path%>"), LinkPath(node.Path) + u'/', true);
  HtmlTemplate::Replace(lines, QStringLiteral("<%folder%>"), Html(node.Text));
  QString children;
  if (!ChildFragments(folder, level + 1, children, error)) return false;
  HtmlTemplate::Replace(lines, QStringLiteral("<%folders%>"), children);
  return true;
}

bool THTMLAlbum::BuildRootPage(QString& error) {
  if (!HtmlTemplate::Load(RootTemplate, RootPage, error)) return false;
  const auto& root = Plan->Folders.front();
  HtmlTemplate::Replace(RootPage, QStringLiteral("<%root%>"), Html(root.Text));
  HtmlTemplate::Replace(RootPage, QStringLiteral("<%path%>"), LinkPath(root.Path) + u'/', true);
  QString children;
  if (!ChildFragments(0, 1, children, error)) return false;
  HtmlTemplate::Replace(RootPage, QStringLiteral("<%folders%>"), children);
  return true;
}

QString THTMLImage::PictureName() const {
  return Stem + ExportNames::SizeSuffix(Folder->Album->Width, Folder->Album->Height) + Extension;
}

QString THTMLImage::ThumbnailName() const {
  return Stem + ExportNames::SizeSuffix(64, 64) + Extension;
}

bool THTMLImage::Execute(QString& error) {
  THTMLAlbum& album = *Folder->Album;
  const QString folder = album.Destination + Folder->Path;
  const QString picture = PictureName();
  const QString thumbnail = ThumbnailName();
  // The thumbnail comes from the resized picture: one decode per photo.
  const QImage resized = album.Render(*Record, 0, 0, error);
  if (resized.isNull()) {
    error = QStringLiteral("%1: %2").arg(Record->FileName, error);
    return false;
  }
  const TGPRect fit = FitRectKeepAspect(64, 64, resized.width(), resized.height());
  const QImage small = resized.scaled(std::max(1, fit.Width), std::max(1, fit.Height), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
  for (const auto& [image, name] : {std::pair{&resized, picture}, std::pair{&small, thumbnail}}) {
    const QByteArray jpeg = TSaveImage::Encode(*image, nullptr, error);
    if (jpeg.isEmpty() || !ExportFile::Write(folder + name, jpeg, error)) return false;
  }

  QString name, description, location;
  TDateTime date = 0;
  {
    const TPhotoAttributes attributes = Record->Attributes();
    name = attributes.Name;
    description = attributes.Description;
    location = attributes.Location;
    date = attributes.DateTime;
  }
  QString attributes;
  if (album.ShowName) attributes += QStringLiteral("<H4>%1</H4>").arg(Html(name));
  if (album.ShowDescription) {
    QString text = Html(description);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>")).replace(u'\n', QStringLiteral("<BR>"));
    attributes += QStringLiteral("<H6>%1 %2</H6>").arg(Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "Description:"))), text);
  }
  if (album.ShowLocation)
    attributes +=
        QStringLiteral("<H6>%1 %2</H6>").arg(Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "Location:"))), Html(location));
  if (album.ShowDateTime)
    attributes += QStringLiteral("<H6>%1 %2</H6>")
                      .arg(Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "Date and time:"))),
                           Html(date == 0 ? QString() : DateTimeUtil::ToLongDateTimeText(date)));
  if (!attributes.isEmpty()) attributes.prepend(QStringLiteral("<HR>"));

  QStringList page;
  if (!HtmlTemplate::Load(album.ImagesTemplate, page, error)) return false;
  HtmlTemplate::Replace(page, QStringLiteral("<%images_str%>"), Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "Images"))));
  HtmlTemplate::Replace(page, QStringLiteral("<%attrs_str%>"), attributes);
  HtmlTemplate::Replace(page, QStringLiteral("<%previous_str%>"),
                        Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "previous"))));
  HtmlTemplate::Replace(page, QStringLiteral("<%next_str%>"), Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "next"))));
  HtmlTemplate::Replace(page, QStringLiteral("<%folder%>"), Html(Folder->Name));
  HtmlTemplate::Replace(page, QStringLiteral("<%image%>"), LinkSegment(picture));
  HtmlTemplate::Replace(page, QStringLiteral("<%imagename%>"), Html(name));
  if (!WritePage(folder + PageName(), page, error)) return false;
  Folder->Pages[size_t(Slot)] = PageName();
  Folder->ImageLines[size_t(Slot)] = QStringLiteral("<P><A HREF=\"%1\"><IMG SRC=\"%2\" ALT=\"%3\"></A></P>")
                                         .arg(LinkSegment(PageName()), LinkSegment(thumbnail), Html(name));
  return true;
}

bool THTMLFolder::Execute(QString& error) {
  return LinkImagePages(error) && WriteFoldersPage(error) && WriteIndexPage(error);
}

bool THTMLFolder::LinkImagePages(QString& error) {
  QStringList pages;
  for (const QString& page : Pages)
    if (!page.isEmpty()) pages.append(page);
  const QString folder = Album->Destination + Path;
  for (int i = 0; i < pages.size(); ++i) {
    QStringList lines;
    if (!HtmlTemplate::Load(folder + pages[i], lines, error)) return false;
    HtmlTemplate::Replace(lines, QStringLiteral("<%previous%>"), LinkSegment(pages[i > 0 ? i - 1 : pages.size() - 1]));
    HtmlTemplate::Replace(lines, QStringLiteral("<%next%>"), LinkSegment(pages[i + 1 < pages.size() ? i + 1 : 0]));
    if (!WritePage(folder + pages[i], lines, error)) return false;
  }
  MainPage = pages.isEmpty() ? QString() : pages.front();
  return true;
}

bool THTMLFolder::WriteFoldersPage(QString& error) {
  QStringList lines = Album->RootPage;
  const QString up = QStringLiteral("../").repeated(Level + 1);
  for (int at; (at = HtmlTemplate::FindNamed(lines, QStringLiteral("<%level%>"))) >= 0;) lines[at] = up;
  for (QString& line : lines) line.replace(QStringLiteral("<%level%>"), up);
  const int own = HtmlTemplate::FindNamed(lines, LinkPath(Path));
  if (own < 0) {
    error = TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "The folders template has no line for %1")).arg(Path);
    return false;
  }
  QStringList images;
  for (const QString& line : ImageLines)
    if (!line.isEmpty()) images.append(line);
  HtmlTemplate::ReplaceLine(lines, own, images.join(QStringLiteral("\r\n")));
  for (QString& line : lines) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0 && line.mid(equals + 1) == QLatin1String("<%images%>")) line.clear();
  }
  return WritePage(Album->Destination + Path + QStringLiteral("folders.html"), lines, error);
}

bool THTMLFolder::WriteIndexPage(QString& error) {
  QStringList index;
  if (!HtmlTemplate::Load(Album->IndexTemplate, index, error)) return false;
  if (MainPage.isEmpty()) {
    QStringList main;
    if (!HtmlTemplate::Load(Album->MainTemplate, main, error)) return false;
    HtmlTemplate::Replace(main, QStringLiteral("<%no_images_str%>"),
                          Html(TrAlbum(QT_TRANSLATE_NOOP("THTMLAlbum", "No images"))));
    HtmlTemplate::Replace(main, QStringLiteral("<%folder%>"), Html(Name));
    if (!WritePage(Album->Destination + Path + QStringLiteral("main.html"), main, error)) return false;
    HtmlTemplate::Replace(index, QStringLiteral("<%main%>"), QStringLiteral("main.html"));
  } else {
    HtmlTemplate::Replace(index, QStringLiteral("<%main%>"), LinkSegment(MainPage));
  }
  return WritePage(Album->Destination + Path + QStringLiteral("index.html"), index, error);
}
