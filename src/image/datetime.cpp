// SPDX-License-Identifier: GPL-3.0-or-later
#include "datetime.h"

#include <QCoreApplication>
#include <QFile>
#include <ctime>
#include <sys/stat.h>
#include <QLocale>
#include <cmath>

namespace DateTimeUtil {
namespace {

constexpr qint64 MsecPerDay = 86400000;
const QDate Epoch(1899, 12, 30);

// Parses a decimal field; leading blanks are allowed, nothing else.
bool ParseField(const QString& text, int start, int length, int& value) {
  if (text.size() < start + length) return false;
  QStringView field = QStringView(text).mid(start, length);
  while (!field.isEmpty() && field.front() == u' ') field = field.mid(1);
  if (field.isEmpty()) return false;
  int v = 0;
  for (QChar c : field) {
    if (c < u'0' || c > u'9') return false;
    v = v * 10 + (c.unicode() - u'0');
  }
  value = v;
  return true;
}

}  // namespace

bool TryEncode(int year, int month, int day, int hour, int minute, int second, int msec, TDateTime& value) {
  if (year < 1 || year > 9999) return false;
  const QDate date(year, month, day);
  if (!date.isValid()) return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
    return false;
  const qint64 days = Epoch.daysTo(date);
  const double fraction = double((qint64(hour) * 3600 + minute * 60 + second) * 1000 + msec) / double(MsecPerDay);
  value = days >= 0 ? double(days) + fraction : double(days) - fraction;
  return true;
}

TDateTimeParts Decode(TDateTime value) {
  TDateTimeParts parts;
  if (!std::isfinite(value) || std::fabs(value) > 3000000.0) return parts;
  double days = std::trunc(value);
  qint64 msec = std::llround(std::fabs(value - days) * double(MsecPerDay));
  if (msec >= MsecPerDay) {  // rounding carried into the next day
    msec -= MsecPerDay;
    days += value >= 0 ? 1 : -1;
  }
  const QDate date = Epoch.addDays(qint64(days));
  parts.Year = date.year();
  parts.Month = date.month();
  parts.Day = date.day();
  parts.Hour = int(msec / 3600000);
  parts.Minute = int(msec / 60000 % 60);
  parts.Second = int(msec / 1000 % 60);
  parts.Msec = int(msec % 1000);
  return parts;
}

TDateTime FromQDateTime(const QDateTime& local) {
  const QDateTime t = local.toLocalTime();
  TDateTime value = 0;
  const QDate d = t.date();
  const QTime tm = t.time();
  if (!TryEncode(d.year(), d.month(), d.day(), tm.hour(), tm.minute(), tm.second(), tm.msec(), value)) return 0;
  return value;
}

QDateTime ToQDateTime(TDateTime value) {
  const TDateTimeParts p = Decode(value);
  return QDateTime(QDate(p.Year, p.Month, p.Day), QTime(p.Hour, p.Minute, p.Second, p.Msec));
}

TDateTime FileDate(const QString& path) {
  // One stat and the C library's local time: a folder of 100,000 photos
  // asks this for every file, and Qt's local-time conversion re-reads the
  // time zone each time.
  static const bool zoneRead = [] {
    ::tzset();
    return true;
  }();
  (void)zoneRead;
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
  const time_t modified = info.st_mtime;
  struct tm local {};
  if (!::localtime_r(&modified, &local)) return 0;
  TDateTime value = 0;
  if (!TryEncode(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 local.tm_sec & ~1, 0, value))
    return 0;
  return value;
}

QChar TimeSeparator() {
  // The short time format holds the separator between the hour and the minute
  // ("HH:mm", "H.mm", ...).
  const QString format = QLocale().timeFormat(QLocale::ShortFormat);
  for (int i = 0; i < format.size(); ++i) {
    const QChar c = format.at(i);
    if (c == u'h' || c == u'H') {
      int j = i;
      while (j < format.size() && (format.at(j) == u'h' || format.at(j) == u'H')) ++j;
      if (j < format.size() && format.at(j) != u'm' && format.at(j) != u'\'') return format.at(j);
      break;
    }
  }
  return u':';
}

QString ToAttributeText(TDateTime value, QChar separator) {
  const TDateTimeParts p = Decode(value);
  const QString sep(separator);
  return QStringLiteral("%1%2%3%4%5 %6%7%8%9%10")
      .arg(p.Year, 4, 10, QChar(u'0'))
      .arg(sep)
      .arg(p.Month, 2, 10, QChar(u'0'))
      .arg(sep)
      .arg(p.Day, 2, 10, QChar(u'0'))
      .arg(p.Hour, 2, 10, QChar(u'0'))
      .arg(sep)
      .arg(p.Minute, 2, 10, QChar(u'0'))
      .arg(sep)
      .arg(p.Second, 2, 10, QChar(u'0'));
}

TDateTime FromAttributeText(const QString& text) {
  int year, month, day, hour, minute, second;
  if (!ParseField(text, 0, 4, year) || !ParseField(text, 5, 2, month) || !ParseField(text, 8, 2, day) ||
      !ParseField(text, 11, 2, hour) || !ParseField(text, 14, 2, minute) || !ParseField(text, 17, 2, second))
    return 0;
  TDateTime value = 0;
  if (!TryEncode(year, month, day, hour, minute, second, 0, value)) return 0;
  return value;
}

namespace {

QString TranslatedMonth(const char* context, const char* const (&names)[12], int month) {
  if (month < 1 || month > 12) return QString();
  return QCoreApplication::translate(context, names[month - 1]);
}

}  // namespace

QString LongMonthName(int month) {
  static const char* const names[] = {
      QT_TRANSLATE_NOOP("Months", "January"),   QT_TRANSLATE_NOOP("Months", "February"),
      QT_TRANSLATE_NOOP("Months", "March"),     QT_TRANSLATE_NOOP("Months", "April"),
      QT_TRANSLATE_NOOP("Months", "May"),       QT_TRANSLATE_NOOP("Months", "June"),
      QT_TRANSLATE_NOOP("Months", "July"),      QT_TRANSLATE_NOOP("Months", "August"),
      QT_TRANSLATE_NOOP("Months", "September"), QT_TRANSLATE_NOOP("Months", "October"),
      QT_TRANSLATE_NOOP("Months", "November"),  QT_TRANSLATE_NOOP("Months", "December")};
  return TranslatedMonth("Months", names, month);
}

QString ShortMonthName(int month) {
  static const char* const names[] = {
      QT_TRANSLATE_NOOP("ShortMonths", "Jan"), QT_TRANSLATE_NOOP("ShortMonths", "Feb"),
      QT_TRANSLATE_NOOP("ShortMonths", "Mar"), QT_TRANSLATE_NOOP("ShortMonths", "Apr"),
      QT_TRANSLATE_NOOP("ShortMonths", "May"), QT_TRANSLATE_NOOP("ShortMonths", "Jun"),
      QT_TRANSLATE_NOOP("ShortMonths", "Jul"), QT_TRANSLATE_NOOP("ShortMonths", "Aug"),
      QT_TRANSLATE_NOOP("ShortMonths", "Sep"), QT_TRANSLATE_NOOP("ShortMonths", "Oct"),
      QT_TRANSLATE_NOOP("ShortMonths", "Nov"), QT_TRANSLATE_NOOP("ShortMonths", "Dec")};
  return TranslatedMonth("ShortMonths", names, month);
}

QString Format(const QString& format, TDateTime value) {
  const TDateTimeParts p = Decode(value);
  const auto number = [](int n, int width) { return QStringLiteral("%1").arg(n, width, 10, QChar(u'0')); };
  QString out;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i].toLower();
    qsizetype run = 1;
    while (i + run < format.size() && format[i + run].toLower() == c) ++run;
    switch (c.unicode()) {
      case 'y': out += run >= 4 ? number(p.Year, 4) : number(p.Year % 100, 2); break;
      case 'm':
        out += run >= 4 ? LongMonthName(p.Month) : run == 3 ? ShortMonthName(p.Month) : number(p.Month, run == 2 ? 2 : 1);
        break;
      case 'd': out += number(p.Day, run >= 2 ? 2 : 1); break;
      case 'h': out += number(p.Hour, run >= 2 ? 2 : 1); break;
      case 'n': out += number(p.Minute, run >= 2 ? 2 : 1); break;
      case 's': out += number(p.Second, run >= 2 ? 2 : 1); break;
      case ':': out += QString(TimeSeparator()).repeated(run); break;
      default: out += format.mid(i, run); break;
    }
    i += run;
  }
  return out;
}

QString ToShortDateText(TDateTime value) {
  return Format(QCoreApplication::translate("DateFormats", "mmm dd, yyyy"), value);
}

QString ToLongDateText(TDateTime value) {
  return Format(QCoreApplication::translate("DateFormats", "mmmm d, yyyy"), value);
}

QString ToLongDateTimeText(TDateTime value) {
  return Format(QCoreApplication::translate("DateFormats", "mmmm d, yyyy hh:nn:ss"), value);
}

QString ToIsoText(TDateTime value) {
  if (value == 0) return QString();
  const TDateTimeParts p = Decode(value);
  return QStringLiteral("%1-%2-%3T%4:%5:%6")
      .arg(p.Year, 4, 10, QChar(u'0'))
      .arg(p.Month, 2, 10, QChar(u'0'))
      .arg(p.Day, 2, 10, QChar(u'0'))
      .arg(p.Hour, 2, 10, QChar(u'0'))
      .arg(p.Minute, 2, 10, QChar(u'0'))
      .arg(p.Second, 2, 10, QChar(u'0'));
}

bool FromIsoText(const QString& text, TDateTime& value) {
  if (text.size() != 19) return false;
  const int positions[] = {4, 7, 10, 13, 16};
  const char16_t expected[] = {u'-', u'-', u' ', u':', u':'};
  for (int i = 0; i < 5; ++i) {
    const QChar c = text.at(positions[i]);
    if (c != QChar(expected[i]) && !(i == 2 && c == u'T')) return false;
  }
  const TDateTime parsed = FromAttributeText(text);
  if (parsed == 0 && !text.startsWith(QLatin1String("1899-12-30"))) return false;
  value = parsed;
  return true;
}

}  // namespace DateTimeUtil
