#pragma once
// Points every web source of a program at one base address for one run, without
// touching the settings file of its data folder: the program's own readers get the
// addresses directly, the companion library a source file of their own, which lives as
// long as this object.
#include <filesystem>
#include <string>

#include "app/program.h"

namespace pk {

class SourceOverride {
 public:
  SourceOverride(Program& program, const std::string& baseAddress);
  ~SourceOverride();  // removes the source file
  SourceOverride(const SourceOverride&) = delete;
  SourceOverride& operator=(const SourceOverride&) = delete;

 private:
  std::filesystem::path folder_;
};

}  // namespace pk
