#pragma once
// The clock's picture of a date and time, read once from left to right.
// Portable: the locale's names come from the caller.
//
// Letters match in either case. A run of one letter is read greedily, up to
// the longest token of that letter; what is left of the run starts the next.
//   d     day of the month, 1..31        dd    the day in two digits
//   ddd   short day name ("Sun")         dddd  long day name ("Sunday")
//   m     month, 1..12                   mm    the month in two digits
//   mmm   short month name ("Jan")       mmmm  long month name ("January")
//         m and mm are the minute instead when the token before them
//         (text between does not count) is an hour: "hh:mm" reads as it looks.
//   yy    year in two digits             yyyy  year in four digits
//         (y counts as yy, yyy as yyyy)
//   h     hour, no leading zero          hh    the hour in two digits
//         12-hour clock when the picture has an am/pm token, else 24-hour
//   n     minute, no leading zero        nn    the minute in two digits
//   s     second, no leading zero        ss    the second in two digits
//   am/pm "am" before noon, else "pm", in the letter case written
//   a/p   "a" or "p", in the letter case written
//   ampm  the locale's morning or afternoon designator
//   '...' or "..."  text copied without its quotes; an open quote runs to
//         the end of the picture
// Every other character is copied as it stands.
#include <array>
#include <string>

namespace fr {

struct TClockTime {
  int year = 0, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

struct TClockNames {
  std::array<std::wstring, 7> shortDays, longDays;  // Sunday first
  std::array<std::wstring, 12> shortMonths, longMonths;
  std::wstring am, pm;
};

// 0 = Sunday, for a date of the proleptic Gregorian calendar. The weekday is
// computed, never taken from the caller, so a changed date stays consistent.
int DayOfWeek(int year, int month, int day);

std::wstring FormatClock(const std::wstring& picture, const TClockTime& time, const TClockNames& names);

}  // namespace fr
