// The clock's picture: one pass, tokens and quoted text.
#include <gtest/gtest.h>

#include "status/FrClockFormat.h"

using fr::FormatClock;
using fr::TClockNames;
using fr::TClockTime;

namespace {

TClockNames English() {
  TClockNames n;
  n.shortDays = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  n.longDays = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};
  n.shortMonths = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  n.longMonths = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                  L"July",    L"August",   L"September", L"October", L"November", L"December"};
  n.am = L"AM";
  n.pm = L"PM";
  return n;
}

// Thursday 5 March 2026, 09:07:03.
const TClockTime kMorning{2026, 3, 5, 9, 7, 3};
// Saturday 14 November 2026, 21:45:59.
const TClockTime kEvening{2026, 11, 14, 21, 45, 59};

std::wstring Format(const std::wstring& picture, const TClockTime& t = kMorning) {
  return FormatClock(picture, t, English());
}

}  // namespace

TEST(StatusClock, NamesAreNotReadAgainAsTokens) {
  // Day and month names are full of token letters (h, d, n, s, m, a, y).
  EXPECT_EQ(Format(L"dddd"), L"Thursday");
  EXPECT_EQ(Format(L"dddd", kEvening), L"Saturday");
  EXPECT_EQ(Format(L"mmmm"), L"March");
  EXPECT_EQ(Format(L"mmmm", kEvening), L"November");
  EXPECT_EQ(Format(L"ddd d mmm yyyy"), L"Thu 5 Mar 2026");
  EXPECT_EQ(Format(L"ampm"), L"AM");
}

TEST(StatusClock, NumbersWithAndWithoutLeadingZeros) {
  EXPECT_EQ(Format(L"d/m/yy h:n:s"), L"5/3/26 9:7:3");
  EXPECT_EQ(Format(L"dd/mm/yyyy hh:nn:ss"), L"05/03/2026 09:07:03");
  EXPECT_EQ(Format(L"y yyy"), L"26 2026");
  EXPECT_EQ(Format(L"yyyy", {987, 1, 1}), L"0987");
  // Letters match in either case.
  EXPECT_EQ(Format(L"DD.MM.YYYY HH:NN"), L"05.03.2026 09:07");
}

TEST(StatusClock, MinutesFollowAnHour) {
  EXPECT_EQ(Format(L"hh:mm"), L"09:07");
  EXPECT_EQ(Format(L"h 'h' m"), L"9 h 7");
  EXPECT_EQ(Format(L"hh:mm dd/mm"), L"09:07 05/03");  // a day in between: the month again
  EXPECT_EQ(Format(L"mmm", {2026, 3, 5, 9, 7, 3}), L"Mar");
  // The picture the platform's own date and time functions take.
  EXPECT_EQ(Format(L"yyyy'-'MM'-'dd HH':'mm':'ss", kEvening), L"2026-11-14 21:45:59");
}

TEST(StatusClock, TwelveHourClockWithAnAmPmToken) {
  EXPECT_EQ(Format(L"h:nn am/pm"), L"9:07 am");
  EXPECT_EQ(Format(L"h:nn AM/PM", kEvening), L"9:45 PM");
  EXPECT_EQ(Format(L"hh a/p", kEvening), L"09 p");
  EXPECT_EQ(Format(L"hh A/P"), L"09 A");
  EXPECT_EQ(Format(L"h ampm", kEvening), L"9 PM");
  EXPECT_EQ(Format(L"h am/pm", {2026, 1, 1, 0, 0, 0}), L"12 am");
  EXPECT_EQ(Format(L"h am/pm", {2026, 1, 1, 12, 0, 0}), L"12 pm");
  EXPECT_EQ(Format(L"hh", kEvening), L"21");  // no marker: 24-hour
}

TEST(StatusClock, QuotedTextIsCopied) {
  EXPECT_EQ(Format(L"'dddd' \"hh\" dddd"), L"dddd hh Thursday");
  EXPECT_EQ(Format(L"'it''s' d"), L"its 5");
  EXPECT_EQ(Format(L"d 'open to the end"), L"5 open to the end");
  EXPECT_EQ(Format(L"''"), L"");
  EXPECT_EQ(Format(L"[d] - #"), L"[5] - #");
}

TEST(StatusClock, WeekdayIsComputedFromTheDate) {
  EXPECT_EQ(fr::DayOfWeek(1970, 1, 1), 4);
  EXPECT_EQ(fr::DayOfWeek(2000, 2, 29), 2);
  EXPECT_EQ(fr::DayOfWeek(2026, 3, 14), 6);
  EXPECT_EQ(fr::DayOfWeek(1601, 1, 1), 1);
  EXPECT_EQ(fr::DayOfWeek(2100, 3, 1), 1);
  // Out-of-range values never index past the names.
  EXPECT_EQ(Format(L"mmmm", {2026, 13, 1}), L"");
  EXPECT_EQ(Format(L"mm", {2026, 13, 1}), L"13");
}
