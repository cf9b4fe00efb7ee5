// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewersettings.h"

#include <QStringList>
#include <algorithm>

TViewerSettings TViewerSettings::FromStrings(const QString& showOnViewer, const QString& slideShow) {
  TViewerSettings s;
  for (const QString& code : showOnViewer.split(u';')) {
    const QString c = code.trimmed().toUpper();
    if (c == QLatin1String("N")) s.ShowName = true;
    if (c == QLatin1String("D")) s.ShowDescription = true;
    if (c == QLatin1String("L")) s.ShowLocation = true;
    if (c == QLatin1String("T")) s.ShowDateTime = true;
  }
  const QStringList fields = slideShow.split(u';');
  bool ok = false;
  const int seconds = fields.value(0).trimmed().toInt(&ok);
  if (ok) s.Seconds = std::clamp(seconds, MinSeconds, MaxSeconds);
  const int repeat = fields.value(1).trimmed().toInt(&ok);
  if (ok) s.RepeatShow = repeat != 0;
  return s;
}

QString TViewerSettings::ShowOnViewer() const {
  QString codes;
  if (ShowName) codes += QLatin1String("N;");
  if (ShowDescription) codes += QLatin1String("D;");
  if (ShowLocation) codes += QLatin1String("L;");
  if (ShowDateTime) codes += QLatin1String("T;");
  return codes;
}

QString TViewerSettings::SlideShow() const {
  return QStringLiteral("%1;%2").arg(Seconds).arg(RepeatShow ? 1 : 0);
}
