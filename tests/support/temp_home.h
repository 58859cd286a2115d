#pragma once
// A data folder of its own for one test, removed afterwards, so that no test writes
// UserDestop.ini, log/ or a store into the folder it runs in.
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pk::test {

class TempHome {
 public:
  TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pkcalc-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    path_ = pattern;
  }
  ~TempHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace pk::test
