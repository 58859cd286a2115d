#include "base/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace pk {

namespace {

// One iconv descriptor per thread and direction: iconv_t keeps shift state and must
// not be shared between threads, and opening one per call is needlessly slow.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input. skipInvalid(rest) tells how many input bytes an
  // unconvertible or broken sequence at the start of rest spans; they are replaced
  // by `replacement` and the conversion goes on.
  template <typename SkipFn>
  std::string Convert(std::string_view input, std::string_view replacement, SkipFn skipInvalid) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string output;
    output.reserve(input.size() * 2 + 8);
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
      char* out = buffer;
      size_t outLeft = sizeof buffer;
      const size_t result = iconv(cd_, &in, &inLeft, &out, &outLeft);
      const int error = errno;
      output.append(buffer, out);
      if (result != static_cast<size_t>(-1)) break;
      if (error == E2BIG) continue;
      // EILSEQ (broken or unmappable sequence) or EINVAL (truncated at the end).
      size_t skip = error == EINVAL ? inLeft : skipInvalid(std::string_view(in, inLeft));
      if (skip == 0 || skip > inLeft) skip = 1;
      output.append(replacement);
      in += skip;
      inLeft -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
  }

 private:
  iconv_t cd_;
};

// Bytes of the character at the start of a UTF-8 text that GBK cannot hold: the
// whole sequence when it is well formed, else the single bad byte.
size_t Utf8SequenceToSkip(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length > rest.size()) return 1;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

// Bytes of an unmapped GBK character: a lead byte with a non-ASCII trail byte forms
// one (unknown) character; any other bad byte stands alone, so that an ASCII byte
// after it (a marker such as "<" or "@") is never swallowed.
size_t GbkSequenceToSkip(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  if (lead >= 0x81 && lead <= 0xFE && rest.size() >= 2) {
    const auto trail = static_cast<unsigned char>(rest[1]);
    if (trail >= 0x80 && trail <= 0xFE) return 2;
  }
  return 1;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

Converter& ToGbk() {
  thread_local Converter converter("GBK", "UTF-8");
  return converter;
}

Converter& FromGbk() {
  thread_local Converter converter("UTF-8", "GBK");
  return converter;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return ToGbk().Convert(utf8, "?", Utf8SequenceToSkip);
}

std::string GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  return FromGbk().Convert(gbk, "\xEF\xBF\xBD", GbkSequenceToSkip);
}

size_t GbkLength(std::string_view utf8) {
  if (IsAscii(utf8)) return utf8.size();
  return Utf8ToGbk(utf8).size();
}

int GbkCompare(std::string_view utf8a, std::string_view utf8b) {
  const std::string a = Utf8ToGbk(utf8a);
  const std::string b = Utf8ToGbk(utf8b);
  const int order = std::string_view(a).compare(b);  // char_traits<char> compares as unsigned char
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace pk
