// Combination omission, fast.
//
// The longest run of draws whose champion is not in C is the longest window of draws whose
// champions all lie in the complement of C. One pass over the draws finds such windows for
// every set of digits at once. Keep the digits ordered by their last appearance, most
// recent first (r1, r2, …). The longest window ending at draw b whose champions all lie in
// {r1 … rj} starts right after the last appearance of r(j+1). A window only needs to be
// recorded where it cannot grow: when draw b + 1's champion d is not in its set, that is
// for the sets {r1 … rj} with j up to d's rank (about half the digits on average), and at
// the last draw. A subset-maximum pass over the 1,024 digit sets then gives, for every set
// S, the longest window whose champions all lie in S; each row is one look-up. Cost: a few
// steps per draw plus 10 × 1,024, whatever the number of combinations (the literal
// procedure is one pass over all draws per combination).
#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <string>

#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/extremes_rules.h"

namespace pk {

namespace detail {

namespace {

constexpr unsigned kAllDigits = (1u << 10) - 1;

// Bit d set for every digit d in the text (other characters never match a champion digit).
unsigned DigitSet(std::string_view text) {
  unsigned set = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') set |= 1u << (c - '0');
  return set;
}

struct MissWindows {
  std::array<int32_t, 1u << 10> longest{};  // per digit set S: longest window with champions in S
  unsigned champion_digits = 0;             // digits that were ever champion
};

// Returns false when stopped.
bool FindMissWindows(std::span<const uint8_t> champions, const ExtremesProgress& progress, MissWindows& windows) {
  std::array<uint8_t, 10> order{};  // digits, most recently seen first; unseen ones last
  for (uint8_t d = 0; d < 10; ++d) order[d] = d;
  std::array<int32_t, 10> last;  // each digit's last appearance, -1 before it
  last.fill(-1);
  auto& longest = windows.longest;
  // The windows ending at `end` for the top j digits, j = 0 … count − 1.
  const auto close = [&](int32_t end, size_t count) {
    unsigned set = 0;
    for (size_t j = 0; j < count; ++j) {
      const uint8_t digit = order[j];
      longest[set] = std::max(longest[set], end - last[digit]);
      set |= 1u << digit;
    }
    return set;
  };
  const int32_t size = static_cast<int32_t>(champions.size());
  for (int32_t b = 0; b < size; ++b) {
    if ((b & 0xFFFF) == 0 && progress.StopRequested()) return false;
    const uint8_t digit = champions[b];
    if (digit >= 10) continue;  // in no set: every window goes on through it
    // Only the windows whose set lacks this digit end here: those of the digits seen more
    // recently than it, and its own (since its previous appearance).
    size_t rank = 0;
    while (order[rank] != digit) ++rank;
    close(b - 1, rank + 1);
    std::copy_backward(order.begin(), order.begin() + rank, order.begin() + rank + 1);
    order[0] = digit;
    last[digit] = b;
    windows.champion_digits |= 1u << digit;
  }
  const unsigned all = close(size - 1, 10);
  longest[all] = std::max(longest[all], size);
  for (unsigned bit = 1; bit <= kAllDigits; bit <<= 1)
    for (unsigned set = 0; set <= kAllDigits; ++set)
      if (set & bit) longest[set] = std::max(longest[set], longest[set ^ bit]);
  return true;
}

// The eight combination tables are computed one after another over the same snapshot: the
// windows of the last snapshot are kept for the next table.
std::shared_ptr<const MissWindows> WindowsOf(const WorkshopDraws& draws, const ExtremesProgress& progress) {
  static std::mutex mutex;
  static uint64_t kept_identity = 0;
  static std::shared_ptr<const MissWindows> kept;
  const uint64_t identity = draws.Identity();
  {
    const std::lock_guard lock(mutex);
    if (kept && kept_identity == identity) return kept;
  }
  auto windows = std::make_shared<MissWindows>();
  if (!FindMissWindows(draws.ChampionDigits(), progress, *windows)) return nullptr;
  const std::lock_guard lock(mutex);
  kept_identity = identity;
  kept = windows;
  return windows;
}

}  // namespace

ExtremesOutcome CombinationExtremesFast(const WorkshopDraws& draws, std::span<const StoredExtreme> rows,
                                        const ExtremesControl& control) {
  ExtremesOutcome outcome;
  const ExtremesProgress progress(control, static_cast<int64_t>(rows.size()));
  const std::shared_ptr<const MissWindows> kept_windows = WindowsOf(draws, progress);
  if (!kept_windows) {
    outcome.stopped = true;
    return outcome;
  }
  const MissWindows& windows = *kept_windows;
  int64_t done = 0;
  for (const StoredExtreme& row : rows) {
    if (progress.StopRequested()) {
      outcome.stopped = true;
      return outcome;
    }
    const unsigned digits = DigitSet(row.key);
    if (digits & windows.champion_digits) {  // a combination that never hit gives nothing
      const int64_t maximum = windows.longest[~digits & kAllDigits];
      if (ExceedsStoredNumber(row.stored, maximum))
        outcome.rows.push_back({row.key, row.key, std::string(kOmissionExtremeColumn), row.stored, maximum});
    }
    progress.Report(++done);
  }
  return outcome;
}

}  // namespace detail

ExtremesOutcome ComputeCombinationExtremes(const WorkshopDraws& draws, std::span<const StoredExtreme> rows,
                                           const ExtremesControl& control, ExtremesMethod method) {
  return method == ExtremesMethod::kFast ? detail::CombinationExtremesFast(draws, rows, control)
                                         : detail::CombinationExtremesReference(draws, rows, control);
}

}  // namespace pk
