#include "companion/sky_nine_code.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "base/numbers.h"
#include "base/text.h"

namespace pk {

namespace {

constexpr int kPositions = 10;
constexpr int kRules = 9;

// Counting up with 0 after 9, a blank, counting down with 0 before 9.
constexpr std::string_view kCountingRing = "1234567890 0987654321";
// Each digit twice: counting up two times over, then counting down.
constexpr std::string_view kDoubledRing = "112233445566778899001122334455667788990099887766554433221100998877665544332211";

// The newest draws seen from the newest one: back 0 is the newest draw, back 1 the one
// before it. Every rule asks Has() before it reads, so nothing outside the rows is read.
class RecentDraws {
 public:
  explicit RecentDraws(const std::vector<SkyDrawNumbers>& rows) : rows_(rows) {}

  bool Has(int back) const { return back >= 0 && static_cast<size_t>(back) < rows_.size(); }
  const std::string& Text(int back, int position) const { return rows_[rows_.size() - 1 - back][position - 1]; }
  double Number(int back, int position) const { return TextToNumber(Text(back, position)); }
  bool Holds(int back, int position, double value) const { return NumbersEqual(Number(back, position), value); }

 private:
  const std::vector<SkyDrawNumbers>& rows_;
};

// The digit of a number is its last character: car 10 has digit "0".
std::string Digit(std::string_view number) { return LastChar(number); }

// Positions wrap around: 11 is 1 and 0 is 10.
int WrapPosition(int position) { return ((position - 1) % kPositions + kPositions) % kPositions + 1; }

// The digits of the newest `count` draws at a position, oldest first; empty when the
// history is shorter or a number has no one-character digit.
std::string RecentDigits(const RecentDraws& draws, int position, int count) {
  if (!draws.Has(count - 1)) return {};
  std::string digits;
  for (int back = count - 1; back >= 0; --back) digits += Digit(draws.Text(back, position));
  return digits.size() == static_cast<size_t>(count) ? digits : std::string();
}

// What follows the first occurrence of run in ring; nothing when run is absent.
std::optional<std::string_view> RestAfter(std::string_view ring, std::string_view run) {
  const size_t at = ring.find(run);
  if (at == std::string_view::npos) return std::nullopt;
  return ring.substr(at + run.size());
}

// The first character of rest as a kill, when rest is long enough (`from` or more) or
// short but not empty (below `below`); the lengths between belong to runs that the
// rings do not continue.
std::string FirstOfRest(std::string_view rest, size_t below, size_t from) {
  return rest.size() >= from || (!rest.empty() && rest.size() < below) ? std::string(rest.substr(0, 1)) : std::string();
}

// Rule 1, repeat: the same text in consecutive draws, at most ten pairs back.
std::string Repeat(const RecentDraws& draws, int p, int64_t offset) {
  if (!draws.Has(0)) return {};
  int pairs = 0;
  while (pairs < 10 && draws.Has(pairs + 1) && draws.Text(pairs, p) == draws.Text(pairs + 1, p)) ++pairs;
  return pairs >= offset + 4 ? Digit(draws.Text(0, p)) : std::string();
}

// Rule 2, alternation: x, other, x, other, x, other, x, then a change away from x.
std::string Alternation(const RecentDraws& draws, int p) {
  if (!draws.Has(7)) return {};
  const double x = draws.Number(1, p);
  if (draws.Holds(0, p, x)) return {};
  int counter = 0;
  for (int back = 2; back <= 7; ++back) {
    const bool isX = draws.Holds(back, p, x);
    const bool fits = back % 2 == 0 ? !isX : isX;
    counter = fits ? counter + 1 : 0;
  }
  return counter == 6 ? Digit(draws.Text(1, p)) : std::string();
}

// Rule 3, counting run: five (or four) digits counting up or down kill the next one.
std::string CountingRun(const RecentDraws& draws, int p) {
  const std::string five = RecentDigits(draws, p, 5);
  if (five.empty()) return {};
  if (const auto rest = RestAfter(kCountingRing, five)) return FirstOfRest(*rest, 6, 12);
  if (const auto rest = RestAfter(kCountingRing, std::string_view(five).substr(1))) return FirstOfRest(*rest, 7, 13);
  return {};
}

// Rule 4, doubled run: each digit twice while counting up or down.
std::string DoubledRun(const RecentDraws& draws, int p) {
  const std::string six = RecentDigits(draws, p, 6);
  if (six.empty()) return {};
  std::optional<std::string_view> rest = RestAfter(kDoubledRing, six);
  if (!rest) {
    const std::string_view five = std::string_view(six).substr(1);
    if (five[0] != five[1]) return {};
    rest = RestAfter(kDoubledRing, five);
  }
  return rest && !rest->empty() ? std::string(rest->substr(0, 1)) : std::string();
}

// Rule 5, zig-zag: steps of -F and +F alternating before the newest step F.
std::string ZigZag(const RecentDraws& draws, int p, int64_t offset) {
  if (!draws.Has(1)) return {};
  const double step = draws.Number(0, p) - draws.Number(1, p);
  if (NumbersEqual(step, 0)) return {};
  int fits = 0;
  for (int k = 1; fits < 8 && draws.Has(k + 1); ++k) {
    const double wanted = k % 2 == 1 ? -step : step;
    if (!NumbersEqual(draws.Number(k, p) - draws.Number(k + 1, p), wanted)) break;
    ++fits;
  }
  return fits >= offset + 3 ? Digit(draws.Text(1, p)) : std::string();
}

// The class of a step between two numbers: 0 for none, 4 for a jump of exactly five.
double StepClass(double size) {
  if (NumbersEqual(size, 0)) return 0;
  return size <= 4 ? size - 1 : 9 - size;
}

// Rule 6, jumps of five: every second step of the last eight a jump of five.
std::string JumpsOfFive(const RecentDraws& draws, int p, int64_t offset) {
  if (!draws.Has(8)) return {};
  std::array<double, 9> c{};  // c[s] for s = 1..8, s = 1 the newest step
  for (int s = 1; s <= 8; ++s) c[s] = StepClass(std::fabs(draws.Number(s - 1, p) - draws.Number(s, p)));
  const auto same = [](double a, double b) { return NumbersEqual(a, b); };
  if (!same(c[2], 4) || same(c[1], c[2])) return {};
  int64_t m = 0;
  if (same(c[8], c[2])) {
    m = 1;
    for (const bool check : {same(c[4], c[2]), same(c[6], c[2]), !same(c[1], c[2]), !same(c[3], c[2]),
                             !same(c[5], c[2]), !same(c[7], c[2])}) {
      m = check ? m + 1 : 0;
    }
  }
  return m >= offset + 6 ? Digit(NumberToText(draws.Number(0, p) + 5)) : std::string();
}

// Rule 7, two-position swing: x at p three draws back and one draw back, and x at
// another position q in the newest, two and four draws back.
std::string TwoPositionSwing(const RecentDraws& draws, int p, int64_t offset) {
  if (!draws.Has(4)) return {};
  const double x = draws.Number(1, p);
  int64_t f = 0;
  if (draws.Holds(3, p, x)) {
    int q = 0;
    for (int position = 1; position <= kPositions && q == 0; ++position) {
      if (position != p && draws.Holds(0, position, x)) q = position;
    }
    if (q == 0) {
      f = 1;
    } else {
      f = 2;
      for (const int back : {0, 2, 4}) f = draws.Holds(back, q, x) ? f + 1 : 0;
    }
  }
  return f == offset + 5 ? Digit(draws.Text(1, p)) : std::string();
}

// Rules 8 and 9, diagonals: the newest number at `source` stood one position further
// along (`direction` +1 or -1) in each draw before, at least four draws back.
std::string Diagonal(const RecentDraws& draws, int source, int direction) {
  if (!draws.Has(0)) return {};
  const double x = draws.Number(0, source);
  int run = 0;
  while (run < 10 && draws.Has(run + 1) && draws.Holds(run + 1, WrapPosition(source + direction * (run + 1)), x)) ++run;
  return run >= 4 ? Digit(draws.Text(0, source)) : std::string();
}

std::vector<SkyDrawNumbers> RowsOfWords(const std::vector<std::string>& words) {
  std::vector<SkyDrawNumbers> rows(words.size() / 11);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (int p = 0; p < kPositions; ++p) rows[r][p] = words[r * 11 + 1 + p];
  }
  return rows;
}

}  // namespace

std::vector<SkyDrawNumbers> SkyDrawRows(std::string_view draws) { return RowsOfWords(Split(draws, " ")); }

std::vector<std::string> SkyRuleKills(int rule, const std::vector<SkyDrawNumbers>& rows, int slotCount, int offset) {
  const int slots = slotCount == 10 ? 10 : 1;
  const RecentDraws draws(rows);
  const int64_t o = offset;
  std::vector<std::string> kills(slots);
  for (int k = 1; k <= slots; ++k) {
    std::string& kill = kills[k - 1];
    switch (rule) {
      case 1: kill = Repeat(draws, k, o); break;
      case 2: kill = Alternation(draws, k); break;
      case 3: kill = CountingRun(draws, k); break;
      case 4: kill = DoubledRun(draws, k); break;
      case 5: kill = ZigZag(draws, k, o); break;
      case 6: kill = JumpsOfFive(draws, k, o); break;
      case 7: kill = TwoPositionSwing(draws, k, o); break;
      // Moving left: slot k shows source position k + 1, the last slot position 1 (with
      // one slot the list still covers positions 2 and 1, so slot 1 shows position 2).
      case 8: kill = Diagonal(draws, k == kPositions ? 1 : k + 1, +1); break;
      // Moving right: slot k shows source position k - 1, slot 1 position 10.
      case 9: kill = Diagonal(draws, k == 1 ? kPositions : k - 1, -1); break;
      default: break;
    }
  }
  return kills;
}

std::string SkyNineCode(std::string_view draws, int slotCount, int offset) {
  const std::vector<std::string> words = Split(draws, " ");
  if (words.size() < 12) return {};
  const std::vector<SkyDrawNumbers> rows = RowsOfWords(words);
  std::string result;
  for (int rule = 1; rule <= kRules; ++rule) {
    const std::vector<std::string> kills = SkyRuleKills(rule, rows, slotCount, offset);
    for (size_t k = 0; k < kills.size(); ++k) {
      if (!kills[k].empty()) result += "第" + std::to_string(k + 1) + "名杀 " + kills[k] + "|";
    }
  }
  return result;
}

}  // namespace pk
