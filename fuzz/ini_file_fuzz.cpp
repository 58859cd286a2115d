// The settings file (UserDestop.ini and the program's own): any file content can be read,
// and a value written under a valid name reads back trimmed while the file keeps the
// other keys' values.
#include <unistd.h>

#include <fstream>

#include "base/ini.h"
#include "base/text.h"
#include "fuzz_support.h"

namespace {

const std::string& FilePath() {
  static const std::string path = "/tmp/pkcalc-ini-fuzz-" + std::to_string(getpid()) + ".ini";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const IniFile ini(FilePath());
  const std::string before = ini.Read("Settings", "Configure", "none");
  const std::string other = ini.Read("Sources", "drawService", "none");
  ini.Read("", "");
  if (ini.Write("Settings", "Configure", " 1,7,1,6, ")) {
    fuzz::Require(ini.Read("Settings", "Configure") == "1,7,1,6,", "a written value reads back trimmed");
    fuzz::Require(ini.Read("Sources", "drawService", "none") == other, "writing one key keeps another");
  }
  (void)before;
  return 0;
}
