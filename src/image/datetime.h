// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// Dates and times as the attribute store and the layouts keep them: the number
// of days since 30 December 1899, with the time of day as the fraction, in
// local time. 0 is "no date". For days before the epoch the integer part is
// negative and the fraction still counts forward from midnight (-1.25 is
// 29 December 1899, 06:00), as in every program that shares this format.
using TDateTime = double;

namespace DateTimeUtil {

// Builds a date-time from its parts; false (and value untouched) for an
// impossible date or time.
[[nodiscard]] bool TryEncode(int year, int month, int day, int hour, int minute, int second, int msec,
                             TDateTime& value);

struct TDateTimeParts {
  int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, Msec = 0;
};
[[nodiscard]] TDateTimeParts Decode(TDateTime value);

[[nodiscard]] TDateTime FromQDateTime(const QDateTime& local);
[[nodiscard]] QDateTime ToQDateTime(TDateTime value);

// A file's last-write time in local time at the two-second resolution of the
// DOS file date (odd seconds and milliseconds dropped). 0 when the file's time
// cannot be read.
[[nodiscard]] TDateTime FileDate(const QString& path);

// The separator that the user's locale puts between hours and minutes.
[[nodiscard]] QChar TimeSeparator();

// The stored date text: "yyyy:mm:dd hh:nn:ss" in which every ':' is the given
// separator; always 19 characters for years 1 to 9999.
[[nodiscard]] QString ToAttributeText(TDateTime value, QChar separator = TimeSeparator());

// Reads a stored or camera date text by character positions (year 1-4,
// month 6-7, day 9-10, hour 12-13, minute 15-16, second 18-19), ignoring the
// separators. Anything unreadable or impossible gives 0.
[[nodiscard]] TDateTime FromAttributeText(const QString& text);

// The long month name (1-12) from the translated texts, as every "mmmm"
// in the program's date formats shows it.
[[nodiscard]] QString LongMonthName(int month);
// The short month name (1-12), as every "mmm" shows it.
[[nodiscard]] QString ShortMonthName(int month);
// A date-time in a format of the program's own kind: "yyyy" (or "yy") the
// year, "mmmm" the long and "mmm" the short month name, "mm" or "m" the
// month's number, "dd"/"d" the day, "hh"/"h" the hour, "nn"/"n" the minute,
// "ss"/"s" the second (two letters: two digits), ":" the locale's time
// separator; every other character stands for itself.
[[nodiscard]] QString Format(const QString& format, TDateTime value);
// The three display formats are translatable texts (in Dutch "dd mmm yyyy",
// "d mmmm yyyy", "d mmmm yyyy hh:nn:ss").
// "mmm dd, yyyy": "Jul 05, 2004".
[[nodiscard]] QString ToShortDateText(TDateTime value);
// "mmmm d, yyyy": "July 15, 2004".
[[nodiscard]] QString ToLongDateText(TDateTime value);
// "mmmm d, yyyy hh:nn:ss" with the locale's time separator: "July 15, 2004 09:05:00".
[[nodiscard]] QString ToLongDateTimeText(TDateTime value);

// "YYYY-MM-DDThh:mm:ss"; empty for the zero date.
[[nodiscard]] QString ToIsoText(TDateTime value);
// Reads "YYYY-MM-DD hh:mm:ss" (or with a 'T'); false when it is not one.
[[nodiscard]] bool FromIsoText(const QString& text, TDateTime& value);

}  // namespace DateTimeUtil
