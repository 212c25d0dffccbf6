#include "framework/date.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <optional>
#include <utility>

namespace fw {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t FloorMod(int64_t a, int64_t b) { return a - FloorDiv(a, b) * b; }

// Days since 1970-01-01 on the proleptic Gregorian calendar (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil { int64_t y; int m, d; };

Civil CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (m <= 2), m, d};
}

const int64_t kEpochDays = DaysFromCivil(1904, 1, 1);

Clock& TheClock() {
  static Clock clock;
  return clock;
}

DateTimeParts RealNow() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::optional<DateOrder>& OrderOverride() {
  static std::optional<DateOrder> order;
  return order;
}

// The order of d, M and y in the locale's short date pattern. A pattern without all
// three, and the C/POSIX locale, count as day/month/year.
DateOrder OrderFromLocale() {
  const QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C) return DateOrder::DMY;
  const QString f = locale.dateFormat(QLocale::ShortFormat);
  const auto d = f.indexOf('d'), m = f.indexOf('M'), y = f.indexOf('y');
  if (d < 0 || m < 0 || y < 0) return DateOrder::DMY;
  if (y < d && y < m) return DateOrder::YMD;
  return m < d ? DateOrder::MDY : DateOrder::DMY;
}

QDate ToQDate(const Date& date) { return QDate(date.Year(), date.Month(), date.Day()); }

String Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

String Padded(int64_t n, size_t width) {
  String s = std::to_string(n < 0 ? -n : n);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return n < 0 ? "-" + s : s;
}

String Formatted(const Date& date, bool abbreviated) {
  const QLocale locale = QLocale::system();
  QString format;
  if (locale.language() == QLocale::C) {
    format = abbreviated ? "ddd, MMM d, yyyy" : "dddd, MMMM d, yyyy";
  } else {
    format = locale.dateFormat(QLocale::LongFormat);
    if (abbreviated) format.replace("dddd", "ddd").replace("MMMM", "MMM");
  }
  return locale.toString(ToQDate(date), format).toStdString();
}

// A run of 1..maxDigits ASCII digits starting at s[i]; -1 when there is none.
int ReadNumber(const String& s, size_t& i, size_t maxDigits) {
  size_t start = i;
  int value = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < maxDigits) value = value * 10 + (s[i++] - '0');
  if (i == start || (i < s.size() && s[i] >= '0' && s[i] <= '9')) return -1;
  return value;
}

}  // namespace

Date::Date() {
  const DateTimeParts p = TheClock() ? TheClock()() : RealNow();
  *this = Date(p.year, p.month, p.day, p.hour, p.minute, p.second);
}

// Out-of-range parts roll over (month 13 is January of the next year, day 0 the last
// day of the previous month), as date arithmetic expects.
Date::Date(int year, int month, int day, int hour, int minute, int second) {
  const int64_t y = year + FloorDiv(month - 1, 12);
  const int m = static_cast<int>(FloorMod(month - 1, 12)) + 1;
  const int64_t days = DaysFromCivil(y, m, 1) + (day - 1) - kEpochDays;
  seconds_ = days * kSecondsPerDay + int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
}

static Civil CivilOf(int64_t seconds) { return CivilFromDays(FloorDiv(seconds, kSecondsPerDay) + kEpochDays); }

int Date::Year() const { return static_cast<int>(CivilOf(seconds_).y); }
int Date::Month() const { return CivilOf(seconds_).m; }
int Date::Day() const { return CivilOf(seconds_).d; }
int Date::Hour() const { return static_cast<int>(FloorMod(seconds_, kSecondsPerDay) / 3600); }
int Date::Minute() const { return static_cast<int>(FloorMod(seconds_, 3600) / 60); }
int Date::Second() const { return static_cast<int>(FloorMod(seconds_, 60)); }

// 1 January 1904 was a Friday (6 when Sunday is 1).
int Date::DayOfWeek() const { return static_cast<int>(FloorMod(FloorDiv(seconds_, kSecondsPerDay) + 5, 7)) + 1; }

int Date::DayOfYear() const {
  const Civil c = CivilOf(seconds_);
  return static_cast<int>(DaysFromCivil(c.y, c.m, c.d) - DaysFromCivil(c.y, 1, 1)) + 1;
}

int Date::WeekOfYear() const {
  const int jan1Weekday = Date(Year(), 1, 1).DayOfWeek() - 1;  // 0 = Sunday
  return (DayOfYear() - 1 + jan1Weekday) / 7 + 1;
}

String Date::ShortTime() const { return Two(Hour()) + ":" + Two(Minute()); }

String Date::ShortDate() const {
  const String d = std::to_string(Day()), m = std::to_string(Month()), y = std::to_string(Year());
  switch (SystemDateOrder()) {
    case DateOrder::MDY: return m + "/" + d + "/" + y;
    case DateOrder::YMD: return y + "/" + m + "/" + d;
    case DateOrder::DMY: break;
  }
  return d + "/" + m + "/" + y;
}

String Date::AbbreviatedDate() const { return Formatted(*this, true); }
String Date::LongDate() const { return Formatted(*this, false); }

String Date::SQLDate() const { return Padded(Year(), 4) + "-" + Two(Month()) + "-" + Two(Day()); }

String Date::SQLDateTime() const {
  return SQLDate() + " " + Two(Hour()) + ":" + Two(Minute()) + ":" + Two(Second());
}

int64_t Date::TotalSeconds() const { return seconds_; }
void Date::SetTotalSeconds(int64_t s) { seconds_ = s; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

DateOrder SystemDateOrder() {
  if (OrderOverride()) return *OrderOverride();
  static const DateOrder order = OrderFromLocale();
  return order;
}

void SetDateOrderForTesting(DateOrder order) { OrderOverride() = order; }
void ResetDateOrderForTesting() { OrderOverride().reset(); }

// Day and month take one or two digits, the year one to four (the program writes
// years without leading zeros, so year 999 is "999"); both separators must be the same.
bool ParseDate(const String& text, Date& date) {
  const String s = Trim(text);
  const DateOrder order = SystemDateOrder();
  const size_t widths[3] = {order == DateOrder::YMD ? 4u : 2u, 2u, order == DateOrder::YMD ? 2u : 4u};
  int parts[3];
  char separator = 0;
  size_t i = 0;
  for (int k = 0; k < 3; ++k) {
    if (k > 0) {
      if (i >= s.size() || (s[i] != '/' && s[i] != '-')) return false;
      if (separator != 0 && s[i] != separator) return false;
      separator = s[i++];
    }
    parts[k] = ReadNumber(s, i, widths[k]);
    if (parts[k] < 0) return false;
  }
  if (i != s.size()) return false;
  int day = parts[0], month = parts[1], year = parts[2];
  if (order == DateOrder::MDY) std::swap(day, month);
  if (order == DateOrder::YMD) { year = parts[0]; month = parts[1]; day = parts[2]; }
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  date = Date(year, month, day);
  return true;
}

void SetClockForTesting(Clock clock) { TheClock() = std::move(clock); }

}  // namespace fw
