#pragma once
// The command line's draw file: one draw per line, the period and then the ten car
// numbers as two-digit text, separated by blanks. Blank lines are skipped.
#include <array>
#include <string>
#include <vector>

namespace pk::cli {

struct DrawFileLine {
  std::string period;
  std::array<std::string, 10> numbers;  // "01" .. "10", in position order
};

// Reads and checks the whole file before anything runs. A missing file, a line that is
// not a period and ten numbers 1..10, or a number repeated in one draw throws
// UsageError naming the file and the line.
std::vector<DrawFileLine> ReadDrawFile(const std::string& path);

}  // namespace pk::cli
