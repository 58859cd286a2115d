#pragma once
// Date-times and the program clock. A DateTime is a wall-clock time (no zone) counted
// in seconds from 1970-01-01 00:00:00; the server clock holds operator time (UTC+8).
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace pk {

struct DateTime {
  int64_t seconds = 0;  // since 1970-01-01 00:00:00 of the same wall clock
  auto operator<=>(const DateTime&) const = default;
};

struct DateParts {
  int year, month, day, hour, minute, second;
};

DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
DateParts SplitDateTime(DateTime t);

// The runtime's long Chinese form: "2014年3月5日12时5分8秒"; at midnight the time part is absent.
std::string LongChineseText(DateTime t);

// Writes a date-time given in the long Chinese form as year-month-day[ hh:mm:ss]
// (see the rules of the text and time helpers: blanks removed, parts padded to two digits,
// empty separator meaning "-").
std::string FormatDateTime(std::string_view longChineseText, std::string_view separator, bool withTime);

// "2015-04-05 16:24:11" and "2015-04-05": shorthands over FormatDateTime.
std::string DateTimeText(DateTime t);
std::string DateText(DateTime t);

// Reads "YYYY-MM-DD HH:MM:SS" (or just the date); month, day and time fields may have
// one or two digits, blanks around the text are ignored. nullopt when it is not such a
// text or names an impossible date or time.
std::optional<DateTime> ParseDateTimeText(std::string_view text);

// The program's one server clock: the operator's current time as last read from a web
// server. Thread-safe; empty until a server answered.
class ProgramClock {
 public:
  void SetServerTime(DateTime t);
  std::optional<DateTime> ServerTime() const;

 private:
  mutable std::mutex mutex_;
  std::optional<DateTime> serverTime_;
};

// dateText: the part of a response's headers between "Date:" and "GMT", trimmed
// ("Sat, 01 Mar 2014 16:00:00"). Sets the server time (plus 8 hours) and returns the
// server date ("2014-03-02"). A text that is not such a date leaves the clock unchanged
// and returns "": fewer than five blank-separated parts, an unknown month name, a day,
// a four-digit year or an hh:mm:ss time that is not all digits, or an impossible date
// or time.
std::string ParseHttpDate(ProgramClock& clock, std::string_view dateText);

// pageText: the web time page. The value between "window.baidu_time(" and ")" is
// milliseconds since 1970 UTC; sets the server time to that plus 8 hours (fraction of a
// second cut off) and returns the value. Without the marker, or with a value that is not
// a number, the clock is unchanged and the result is 0.
int64_t FetchWebTime(ProgramClock& clock, std::string_view pageText);

// The computer's own current time in UTC+8 (used only where no server time exists yet).
DateTime ComputerTimeUtc8();

}  // namespace pk
