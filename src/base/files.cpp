#include "base/files.h"

#include <cstdio>
#include <filesystem>
#include <random>
#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace pk {

namespace {

std::string TemporaryPathBeside(const std::string& path) {
  std::random_device random;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%08x.tmp", random());
  return path + suffix;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& bytes) {
  namespace fs = std::filesystem;
  const std::string temporary = TemporaryPathBeside(path);
  std::FILE* file = std::fopen(temporary.c_str(), "wbx");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#if __has_include(<unistd.h>)
  ok = ok && ::fsync(::fileno(file)) == 0;
#endif
  ok = std::fclose(file) == 0 && ok;
  std::error_code error;
  if (ok) {
    const fs::file_status existing = fs::status(path, error);
    if (!error && fs::exists(existing)) fs::permissions(temporary, existing.permissions(), error);
    error.clear();
    fs::rename(temporary, path, error);
    ok = !error;
  }
  if (!ok) fs::remove(temporary, error);
  return ok;
}

}  // namespace pk
