#include "base/time.h"

#include <array>
#include <chrono>

#include "base/text.h"

namespace pk {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kUtc8Offset = 8 * 3600;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool ValidDateTime(int year, int month, int day, int hour, int minute, int second) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 &&
         minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

// A field of one to maxDigits ASCII digits; -1 otherwise.
int SmallNumber(std::string_view text, size_t maxDigits) {
  if (!IsDigitString(text) || text.size() > maxDigits) return -1;
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

// The first `count` bytes of text, shortened to end on a whole UTF-8 character.
std::string_view LeadingBytes(std::string_view text, size_t count) {
  if (text.size() <= count) return text;
  while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) --count;
  return text.substr(0, count);
}

std::string PadPart(std::string part) {
  if (part.empty()) return "00";
  if (part.size() == 1) return "0" + part;
  return part;
}

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  // Months outside 1..12 roll into neighbouring years; days, hours, minutes and
  // seconds out of range roll over by plain arithmetic.
  const int64_t monthIndex = static_cast<int64_t>(year) * 12 + (month - 1);
  const int64_t y = FloorDiv(monthIndex, 12);
  const int64_t m = monthIndex - y * 12 + 1;
  const int64_t days = DaysFromCivil(y, m, 1) + (day - 1);
  return DateTime{days * kSecondsPerDay + static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 + second};
}

DateParts SplitDateTime(DateTime t) {
  const int64_t days = FloorDiv(t.seconds, kSecondsPerDay);
  const int64_t secondOfDay = t.seconds - days * kSecondsPerDay;
  DateParts parts{};
  CivilFromDays(days, parts.year, parts.month, parts.day);
  parts.hour = static_cast<int>(secondOfDay / 3600);
  parts.minute = static_cast<int>(secondOfDay / 60 % 60);
  parts.second = static_cast<int>(secondOfDay % 60);
  return parts;
}

std::string LongChineseText(DateTime t) {
  const DateParts p = SplitDateTime(t);
  std::string text = std::to_string(p.year) + "年" + std::to_string(p.month) + "月" + std::to_string(p.day) + "日";
  if (p.hour != 0 || p.minute != 0 || p.second != 0) {
    text += std::to_string(p.hour) + "时" + std::to_string(p.minute) + "分" + std::to_string(p.second) + "秒";
  }
  return text;
}

std::string FormatDateTime(std::string_view longChineseText, std::string_view separator, bool withTime) {
  const std::string text = ReplaceAll(longChineseText, " ", "");
  const std::string year = PadPart(std::string(LeadingBytes(text, 4)));
  const std::string month = PadPart(TextBetween(text, "年", "月"));
  const std::string day = PadPart(TextBetween(text, "月", "日"));
  const std::string sep = separator.empty() ? std::string("-") : std::string(separator);
  std::string result = year + sep + month + sep + day;
  if (withTime) {
    const std::string hour = PadPart(TextBetween(text, "日", "时"));
    const std::string minute = PadPart(TextBetween(text, "时", "分"));
    const std::string second = PadPart(TextBetween(text, "分", "秒"));
    result += " " + hour + ":" + minute + ":" + second;
  }
  return result;
}

std::string DateTimeText(DateTime t) { return FormatDateTime(LongChineseText(t), "-", true); }

std::string DateText(DateTime t) { return FormatDateTime(LongChineseText(t), "-", false); }

std::optional<DateTime> ParseDateTimeText(std::string_view text) {
  const std::string trimmed = Trim(text);
  const size_t blank = trimmed.find(' ');
  const std::string_view whole(trimmed);
  const std::string_view datePart = whole.substr(0, blank);
  const std::string_view timePart = blank == std::string::npos ? std::string_view() : whole.substr(blank + 1);

  const std::vector<std::string> date = Split(datePart, "-");
  if (date.size() != 3 || date[0].size() != 4) return std::nullopt;
  const int year = SmallNumber(date[0], 4);
  const int month = SmallNumber(date[1], 2);
  const int day = SmallNumber(date[2], 2);
  int hour = 0, minute = 0, second = 0;
  if (blank != std::string::npos) {
    const std::vector<std::string> time = Split(Trim(timePart), ":");
    if (time.size() != 3) return std::nullopt;
    hour = SmallNumber(time[0], 2);
    minute = SmallNumber(time[1], 2);
    second = SmallNumber(time[2], 2);
  }
  if (year < 0 || !ValidDateTime(year, month, day, hour, minute, second)) return std::nullopt;
  return MakeDateTime(year, month, day, hour, minute, second);
}

void ProgramClock::SetServerTime(DateTime t) {
  std::lock_guard lock(mutex_);
  serverTime_ = t;
}

std::optional<DateTime> ProgramClock::ServerTime() const {
  std::lock_guard lock(mutex_);
  return serverTime_;
}

std::string ParseHttpDate(ProgramClock& clock, std::string_view dateText) {
  static constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::vector<std::string> parts = Split(dateText, " ");
  if (parts.size() < 5) return {};
  int month = 0;
  for (size_t i = 0; i < kMonths.size(); ++i) {
    if (EqualsIgnoreCase(parts[2], kMonths[i])) month = static_cast<int>(i) + 1;
  }
  const int day = SmallNumber(parts[1], 2);
  const int year = parts[3].size() == 4 ? SmallNumber(parts[3], 4) : -1;
  const std::vector<std::string> time = Split(parts[4], ":");
  if (month == 0 || year < 0 || time.size() != 3) return {};
  const int hour = SmallNumber(time[0], 2);
  const int minute = SmallNumber(time[1], 2);
  const int second = SmallNumber(time[2], 2);
  if (!ValidDateTime(year, month, day, hour, minute, second)) return {};

  DateTime serverTime = MakeDateTime(year, month, day, hour, minute, second);
  serverTime.seconds += kUtc8Offset;
  clock.SetServerTime(serverTime);
  return FormatDateTime(LongChineseText(serverTime), "", false);
}

int64_t FetchWebTime(ProgramClock& clock, std::string_view pageText) {
  const std::string value = Trim(TextBetween(pageText, "window.baidu_time(", ")"));
  // At most 18 digits keeps the value inside int64 (the real one has 13).
  if (!IsDigitString(value) || value.size() > 18) return 0;
  int64_t milliseconds = 0;
  for (char c : value) milliseconds = milliseconds * 10 + (c - '0');
  clock.SetServerTime(DateTime{milliseconds / 1000 + kUtc8Offset});
  return milliseconds;
}

DateTime ComputerTimeUtc8() {
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  return DateTime{now.time_since_epoch().count() + kUtc8Offset};
}

}  // namespace pk
