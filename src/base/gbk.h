#pragma once
// GBK at the edges: inside the program text is UTF-8; files and callers that see
// bytes get GBK. Conversions go through iconv.
#include <string>
#include <string_view>

namespace pk {

// Characters that have no GBK form become "?"; invalid UTF-8 bytes likewise. Never
// fails; safe to call from any thread.
std::string Utf8ToGbk(std::string_view utf8);
// Invalid GBK sequences become U+FFFD (an ASCII byte after a bad lead byte is kept).
std::string GbkToUtf8(std::string_view gbk);

// Length of the text in GBK bytes (a Chinese character counts 2).
size_t GbkLength(std::string_view utf8);

// Compares two texts byte by byte as unsigned GBK bytes: <0, 0 or >0.
int GbkCompare(std::string_view utf8a, std::string_view utf8b);

}  // namespace pk
