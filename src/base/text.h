#pragma once
// Text helpers over UTF-8 strings. Positions are byte offsets; every marker the
// program searches for is a whole UTF-8 sequence, so byte and character searches agree.
#include <string>
#include <string_view>
#include <vector>

namespace pk {

// The text between the first startMarker and the next endMarker after it; empty when
// either marker is missing or nothing lies between them.
std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

// Splits at every occurrence of separator, keeping empty parts ("a  b" at " " gives
// "a", "", "b"). An empty text gives no parts; an empty separator gives the whole text.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

std::string Join(const std::vector<std::string>& parts, std::string_view separator);

// Removes blanks, tabs, CR and LF at both ends.
std::string Trim(std::string_view text);

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

// Byte offset of needle in haystack from `from`, ignoring ASCII letter case; npos when absent.
size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from = 0);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

bool Contains(std::string_view text, std::string_view needle);

// The last UTF-8 character of the text (empty for empty text; a broken sequence at the
// end gives its last byte).
std::string LastChar(std::string_view text);

// True when the text is one or more ASCII digits and nothing else.
bool IsDigitString(std::string_view text);

}  // namespace pk
