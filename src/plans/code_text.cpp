#include "plans/code_text.h"

namespace pk {

std::string Complement(std::string_view codes) {
  std::string rest;
  for (char code : kDigitAlphabet) {
    if (codes.find(code) == std::string_view::npos) rest += code;
  }
  return rest;
}

}  // namespace pk
