// The command line's draw file: it is read whole or refused with a usage error; every
// draw it gives names every car once and carries a period.
#include <unistd.h>

#include <fstream>

#include "cli/commands.h"
#include "cli/draw_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/pkcalc-draws-fuzz-" + std::to_string(getpid()) + ".txt";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  try {
    for (const pk::cli::DrawFileLine& line : pk::cli::ReadDrawFile(path)) {
      pk::fuzz::Require(pk::fuzz::IsPermutation(line.numbers), "a read draw names every car once");
      pk::fuzz::Require(!line.period.empty(), "a read draw has a period");
    }
  } catch (const pk::cli::UsageError&) {
  }
  return 0;
}
