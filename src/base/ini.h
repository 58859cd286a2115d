#pragma once
// A settings file with private-profile semantics: every call reads or rewrites the file,
// the file is created when missing, and other keys, sections, comments and line ends are
// kept as they are. Section and key names compare ignoring ASCII case and surrounding
// blanks; values are read trimmed. A UTF-8 byte-order mark at the start is kept and is
// never part of a name. Only the first section of a name counts (as with the system's
// profile functions); lines starting with ";" or "#" are comments.
#include <string>
#include <string_view>

namespace pk {

class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // The value of key in section, or fallback when the file, section or key is missing
  // (a key that is there with an empty value gives the empty text).
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback = "") const;

  // Sets key in section (adding the section and key at their ends when missing) and
  // rewrites the file atomically (a new file beside it renamed over it). New lines end
  // in CR LF. False when the file cannot be written, and for an empty section or key, a
  // line break in any argument, "]" in the section, or "=" in the key or a key starting
  // with "[", ";" or "#", which would change other entries or hide this one.
  bool Write(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::string path_;
};

}  // namespace pk
