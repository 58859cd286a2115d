#include "acquire/source_override.h"

#include <stdlib.h>

#include <stdexcept>

#include "app/companion_library.h"
#include "base/ini.h"
#include "base/web_sources.h"

namespace pk {

SourceOverride::SourceOverride(Program& program, const std::string& baseAddress) {
  std::string pattern = (std::filesystem::temp_directory_path() / "pkcalc-sources-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder for the source file");
  folder_ = pattern;
  const WebSources sources = WebSources::AllAt(baseAddress);
  const std::filesystem::path file = folder_ / "UserDestop.ini";
  SaveWebSources(IniFile(file.string()), sources);
  program.sources = sources;
  program.companion().SetSourceFile(file);
}

SourceOverride::~SourceOverride() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace pk
