#include "status/FrClockFormat.h"

#include <cwctype>
#include <vector>

namespace fr {

namespace {

enum class Kind { Text, Day, Month, Year, Hour, Minute, Second, AmPm, AP, LocaleAmPm };

struct Token {
  Kind kind = Kind::Text;
  int length = 0;     // letters of a date/time token
  std::wstring text;  // literal text; the written case of am/pm and a/p
};

wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

bool StartsWithNoCase(const std::wstring& s, size_t at, const wchar_t* word) {
  for (size_t i = 0; word[i]; ++i) {
    if (at + i >= s.size() || Lower(s[at + i]) != word[i]) return false;
  }
  return true;
}

// Longest token of each letter; 0 for letters that are not tokens.
int LongestToken(wchar_t lower) {
  switch (lower) {
    case L'd':
    case L'm':
    case L'y': return 4;
    case L'h':
    case L'n':
    case L's': return 2;
    default: return 0;
  }
}

Kind KindOf(wchar_t lower) {
  switch (lower) {
    case L'd': return Kind::Day;
    case L'm': return Kind::Month;
    case L'y': return Kind::Year;
    case L'h': return Kind::Hour;
    case L'n': return Kind::Minute;
    default: return Kind::Second;
  }
}

std::vector<Token> Tokenize(const std::wstring& p) {
  std::vector<Token> tokens;
  const auto literal = [&](std::wstring text) {
    if (tokens.empty() || tokens.back().kind != Kind::Text) tokens.push_back({Kind::Text, 0, L""});
    tokens.back().text += text;
  };
  Kind lastTimeToken = Kind::Text;
  size_t i = 0;
  while (i < p.size()) {
    const wchar_t c = p[i];
    const wchar_t lower = Lower(c);
    if (c == L'\'' || c == L'"') {
      const size_t close = p.find(c, i + 1);
      const size_t end = close == std::wstring::npos ? p.size() : close;
      literal(p.substr(i + 1, end - i - 1));
      i = close == std::wstring::npos ? p.size() : close + 1;
      continue;
    }
    if (StartsWithNoCase(p, i, L"am/pm")) {
      tokens.push_back({Kind::AmPm, 5, p.substr(i, 5)});
      i += 5;
      continue;
    }
    if (StartsWithNoCase(p, i, L"ampm")) {
      tokens.push_back({Kind::LocaleAmPm, 4, L""});
      i += 4;
      continue;
    }
    if (StartsWithNoCase(p, i, L"a/p")) {
      tokens.push_back({Kind::AP, 3, p.substr(i, 3)});
      i += 3;
      continue;
    }
    const int longest = LongestToken(lower);
    if (longest == 0) {
      literal(std::wstring(1, c));
      ++i;
      continue;
    }
    int length = 0;
    while (i < p.size() && length < longest && Lower(p[i]) == lower) {
      ++length;
      ++i;
    }
    Kind kind = KindOf(lower);
    if (kind == Kind::Month && length <= 2 && lastTimeToken == Kind::Hour) kind = Kind::Minute;
    tokens.push_back({kind, length, L""});
    lastTimeToken = kind;
  }
  return tokens;
}

std::wstring Number(int value, int digits) {
  std::wstring s = std::to_wstring(value < 0 ? -value : value);
  if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<size_t>(digits) - s.size(), L'0');
  return value < 0 ? L"-" + s : s;
}

template <size_t N>
const std::wstring& NameAt(const std::array<std::wstring, N>& names, int index) {
  static const std::wstring none;
  return index >= 0 && index < static_cast<int>(N) ? names[static_cast<size_t>(index)] : none;
}

// "am" or "pm" (or "a"/"p") in the case the picture wrote each letter.
std::wstring MarkerInCase(const std::wstring& written, bool morning) {
  const size_t slash = written.find(L'/');
  return morning ? written.substr(0, slash) : written.substr(slash + 1);
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
  // Days from 1970-01-01 (a Thursday) by the civil-calendar formula.
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = static_cast<long long>(era) * 146097 + doe - 719468;
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

std::wstring FormatClock(const std::wstring& picture, const TClockTime& time, const TClockNames& names) {
  const std::vector<Token> tokens = Tokenize(picture);
  bool twelveHour = false;
  for (const Token& t : tokens) {
    twelveHour |= t.kind == Kind::AmPm || t.kind == Kind::AP || t.kind == Kind::LocaleAmPm;
  }
  const bool morning = time.hour < 12;
  std::wstring out;
  for (const Token& t : tokens) {
    switch (t.kind) {
      case Kind::Text: out += t.text; break;
      case Kind::Day:
        if (t.length <= 2) {
          out += Number(time.day, t.length);
        } else {
          const int weekday = DayOfWeek(time.year, time.month, time.day);
          out += NameAt(t.length == 3 ? names.shortDays : names.longDays, weekday);
        }
        break;
      case Kind::Month:
        if (t.length <= 2) {
          out += Number(time.month, t.length);
        } else {
          out += NameAt(t.length == 3 ? names.shortMonths : names.longMonths, time.month - 1);
        }
        break;
      case Kind::Year: out += t.length <= 2 ? Number(((time.year % 100) + 100) % 100, 2) : Number(time.year, 4); break;
      case Kind::Hour: {
        int hour = time.hour;
        if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
        out += Number(hour, t.length);
        break;
      }
      case Kind::Minute: out += Number(time.minute, t.length); break;
      case Kind::Second: out += Number(time.second, t.length); break;
      case Kind::AmPm:
      case Kind::AP: out += MarkerInCase(t.text, morning); break;
      case Kind::LocaleAmPm: out += morning ? names.am : names.pm; break;
    }
  }
  return out;
}

}  // namespace fr
