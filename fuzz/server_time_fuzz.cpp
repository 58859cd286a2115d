// The server clock's two sources: the "Date:" header text and the web time page. A text
// that is accepted sets the clock to a time that reads back as a valid date-time; one
// that is refused leaves the clock as it was.
#include "base/time.h"
#include "fuzz_support.h"

namespace {

// Years before 1000 are written without padding ("262-03-01"), as the long form writes
// them, and so do not read back; only four-digit years make a round trip.
bool WrittenWithFourDigitYear(pk::DateTime t) { return pk::SplitDateTime(t).year >= 1000; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  const std::string_view text = fuzz::Text(data, size);

  ProgramClock clock;
  const std::string date = ParseHttpDate(clock, text);
  fuzz::Require(date.empty() != clock.ServerTime().has_value(), "a date is returned exactly when the clock is set");
  if (clock.ServerTime() && WrittenWithFourDigitYear(*clock.ServerTime())) {
    const std::optional<DateTime> read = ParseDateTimeText(DateTimeText(*clock.ServerTime()));
    fuzz::Require(read == clock.ServerTime(), "the server time reads back as itself");
    fuzz::Require(date == DateText(*clock.ServerTime()), "the returned date is the clock's date");
  }

  ProgramClock webClock;
  const int64_t milliseconds = FetchWebTime(webClock, text);
  if (webClock.ServerTime()) {
    fuzz::Require(webClock.ServerTime()->seconds == milliseconds / 1000 + 8 * 3600, "the web time is the value plus 8 hours");
    DateTimeText(*webClock.ServerTime());
  } else {
    fuzz::Require(milliseconds == 0, "a refused web time gives 0");
  }

  if (const std::optional<DateTime> parsed = ParseDateTimeText(text); parsed && WrittenWithFourDigitYear(*parsed))
    fuzz::Require(ParseDateTimeText(DateTimeText(*parsed)) == parsed, "a parsed date-time reads back as itself");
  return 0;
}
