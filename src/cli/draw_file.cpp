#include "cli/draw_file.h"

#include <fstream>
#include <sstream>

#include "base/text.h"
#include "cli/commands.h"

namespace pk::cli {

namespace {

std::string Problem(const std::string& path, int line, const std::string& what) {
  return path + ":" + std::to_string(line) + ": " + what;
}

}  // namespace

std::vector<DrawFileLine> ReadDrawFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError{path + ": cannot read the draw file"};

  std::vector<DrawFileLine> draws;
  std::string text;
  int lineNumber = 0;
  while (std::getline(in, text)) {
    ++lineNumber;
    std::istringstream words(Trim(text));
    std::vector<std::string> parts;
    for (std::string word; words >> word;) parts.push_back(word);
    if (parts.empty()) continue;
    if (parts.size() != 11) {
      throw UsageError{Problem(path, lineNumber, "expected a period and ten car numbers, found " +
                                                     std::to_string(parts.size()) + " words")};
    }
    if (!IsDigitString(parts[0]) || parts[0].size() > 18) {
      throw UsageError{Problem(path, lineNumber, "the period \"" + parts[0] + "\" is not a number")};
    }
    DrawFileLine draw{parts[0], {}};
    bool seen[11] = {};
    for (int i = 0; i < 10; ++i) {
      const std::string& word = parts[i + 1];
      const int car = IsDigitString(word) && word.size() <= 2 ? std::stoi(word) : 0;
      if (car < 1 || car > 10) {
        throw UsageError{Problem(path, lineNumber, "\"" + word + "\" is not a car number 1..10")};
      }
      if (seen[car]) throw UsageError{Problem(path, lineNumber, "car " + std::to_string(car) + " appears twice")};
      seen[car] = true;
      draw.numbers[i] = (car < 10 ? "0" : "") + std::to_string(car);
    }
    draws.push_back(std::move(draw));
  }
  return draws;
}

}  // namespace pk::cli
