#pragma once
// A settings file with private-profile semantics: every call reads or rewrites the file,
// the file is created when missing, and other keys, sections, comments and line ends are
// kept as they are. Section and key names compare ignoring ASCII case.
#include <string>
#include <string_view>

namespace pk {

class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // The value of key in section, or fallback when the file, section or key is missing.
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback = "") const;

  // Sets key in section (adding the section and key at their ends when missing) and
  // rewrites the file. New lines end in CR LF. False when the file cannot be written.
  bool Write(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::string path_;
};

}  // namespace pk
