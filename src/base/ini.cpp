#include "base/ini.h"

#include "base/files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

#include "base/text.h"

namespace pk {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNewLine = "\r\n";

// One line of the file as it stands: its text without the line end, and the line end
// itself ("\r\n", "\n" or "" for a last line without one), so that it can be written
// back byte for byte.
struct Line {
  std::string text;
  std::string end;
};

struct Document {
  std::string byteOrderMark;
  std::vector<Line> lines;
};

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

Document ParseDocument(std::string_view content) {
  Document doc;
  if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    doc.byteOrderMark = kByteOrderMark;
    content.remove_prefix(kByteOrderMark.size());
  }
  while (!content.empty()) {
    const size_t newline = content.find('\n');
    Line line;
    if (newline == std::string_view::npos) {
      line.text = content;
      content = {};
    } else {
      line.text = content.substr(0, newline);
      line.end = "\n";
      content.remove_prefix(newline + 1);
    }
    if (!line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.end.insert(0, "\r");
    }
    doc.lines.push_back(std::move(line));
  }
  return doc;
}

std::string RenderDocument(const Document& doc) {
  std::string content = doc.byteOrderMark;
  for (const Line& line : doc.lines) content += line.text + line.end;
  return content;
}

// The section name of a "[name]" line, if the line is one.
std::optional<std::string> SectionName(std::string_view lineText) {
  const std::string trimmed = Trim(lineText);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const size_t close = trimmed.find(']');
  return Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key of a "key=value" line; comment lines (";" or "#") have none.
std::optional<std::string> KeyName(std::string_view lineText) {
  const std::string trimmed = Trim(lineText);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
  const size_t equals = trimmed.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return Trim(std::string_view(trimmed).substr(0, equals));
}

// Where a section and a key stand in the document (line indices; npos when absent).
struct Location {
  size_t section = std::string::npos;      // the "[section]" line
  size_t lastContent = std::string::npos;  // the last non-blank line of the section
  size_t key = std::string::npos;          // the "key=value" line
};

Location Locate(const Document& doc, std::string_view section, std::string_view key) {
  const std::string wantedSection = Trim(section);
  const std::string wantedKey = Trim(key);
  Location where;
  bool inSection = false;
  for (size_t i = 0; i < doc.lines.size(); ++i) {
    const std::string& text = doc.lines[i].text;
    if (const auto name = SectionName(text)) {
      // Only the first section of that name counts, as with the system's profile functions.
      if (where.section != std::string::npos) break;
      inSection = EqualsIgnoreCase(*name, wantedSection);
      if (inSection) where.section = where.lastContent = i;
      continue;
    }
    if (!inSection) continue;
    if (!Trim(text).empty()) where.lastContent = i;
    if (where.key == std::string::npos) {
      const auto name = KeyName(text);
      if (name && EqualsIgnoreCase(*name, wantedKey)) where.key = i;
    }
  }
  return where;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Serialises read-modify-write cycles of this process, so that two threads writing
// different keys of one file do not lose each other's change.
std::mutex& WriteMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::optional<std::string> content = ReadWholeFile(path_);
  if (!content) return std::string(fallback);
  const Document doc = ParseDocument(*content);
  const Location where = Locate(doc, section, key);
  if (where.key == std::string::npos) return std::string(fallback);
  const std::string& text = doc.lines[where.key].text;
  return Trim(std::string_view(text).substr(text.find('=') + 1));
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
  // A line break or a misplaced bracket or "=" would change other entries of the file
  // or make this one unreadable, so such names and values are refused.
  const std::string sectionName = Trim(section);
  const std::string keyName = Trim(key);
  if (sectionName.empty() || keyName.empty() || HasLineBreak(sectionName) || HasLineBreak(keyName) ||
      HasLineBreak(value) || sectionName.find(']') != std::string::npos || keyName.find('=') != std::string::npos ||
      keyName.front() == '[' || keyName.front() == ';' || keyName.front() == '#') {
    return false;
  }

  std::lock_guard lock(WriteMutex());
  const std::optional<std::string> content = ReadWholeFile(path_);
  std::error_code error;
  if (!content && std::filesystem::exists(path_, error)) return false;  // there but unreadable
  Document doc = ParseDocument(content.value_or(""));
  const Location where = Locate(doc, sectionName, keyName);
  // A last line that ends in nothing or in a lone CR (which is no line break when read
  // back) gets a whole one, so that a line added after it stands on its own.
  const auto endLine = [](Line& line) {
    if (line.end.find('\n') == std::string::npos) line.end = kNewLine;
  };
  const auto endLastLine = [&doc, &endLine] {
    if (!doc.lines.empty()) endLine(doc.lines.back());
  };

  if (where.key != std::string::npos) {
    Line& line = doc.lines[where.key];
    const std::string existingKey = Trim(std::string_view(line.text).substr(0, line.text.find('=')));
    line.text = existingKey + "=" + std::string(value);
  } else if (where.section != std::string::npos) {
    endLine(doc.lines[where.lastContent]);
    doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(where.lastContent) + 1,
                     Line{keyName + "=" + std::string(value), std::string(kNewLine)});
  } else {
    endLastLine();
    doc.lines.push_back(Line{"[" + sectionName + "]", std::string(kNewLine)});
    doc.lines.push_back(Line{keyName + "=" + std::string(value), std::string(kNewLine)});
  }
  return ReplaceFile(path_, RenderDocument(doc));
}

}  // namespace pk
