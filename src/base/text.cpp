#include "base/text.h"

#include <algorithm>

namespace pk {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Number of bytes of the UTF-8 sequence that starts with lead, 0 for a byte that
// cannot start one.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
  const size_t start = text.find(startMarker);
  if (start == std::string_view::npos) return {};
  const size_t from = start + startMarker.size();
  const size_t end = text.find(endMarker, from);
  if (end == std::string_view::npos || end <= from) return {};
  return std::string(text.substr(from, end - from));
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  size_t from = 0;
  while (true) {
    const size_t at = text.find(separator, from);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(from));
      return parts;
    }
    parts.emplace_back(text.substr(from, at - from));
    from = at + separator.size();
  }
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += parts[i];
  }
  return joined;
}

std::string Trim(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsTrimmed(text[first])) ++first;
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  size_t pos = 0;
  while (true) {
    const size_t at = text.find(from, pos);
    if (at == std::string_view::npos) break;
    result.append(text.substr(pos, at - pos));
    result.append(to);
    pos = at + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

std::string ToLowerAscii(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
  return result;
}

std::string ToUpperAscii(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
  return result;
}

size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from) {
  if (from > haystack.size() || needle.size() > haystack.size() - from) return std::string_view::npos;
  const auto sameLetter = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
  const auto it = std::search(haystack.begin() + from, haystack.end(), needle.begin(), needle.end(), sameLetter);
  return it == haystack.end() && !needle.empty() ? std::string_view::npos : static_cast<size_t>(it - haystack.begin());
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FindIgnoreCase(a, b) == 0;
}

bool Contains(std::string_view text, std::string_view needle) { return text.find(needle) != std::string_view::npos; }

std::string LastChar(std::string_view text) {
  if (text.empty()) return {};
  // Walk back over at most three continuation bytes to the lead byte; a broken
  // sequence gives its last byte alone.
  size_t lead = text.size() - 1;
  while (lead > 0 && text.size() - lead < 4 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) --lead;
  if (SequenceLength(static_cast<unsigned char>(text[lead])) != text.size() - lead) lead = text.size() - 1;
  return std::string(text.substr(lead));
}

bool IsDigitString(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace pk
