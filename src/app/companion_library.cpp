#include "app/companion_library.h"

#include <dlfcn.h>

#include <cstdint>
#include <iterator>

#include "base/gbk.h"

namespace pk {

namespace {

constexpr const char* kExportNames[] = {"GetJXdate",     "Get_olddate", "Get_olddate1", "Get_olddate2",
                                        "Updatenewdate", "UpdateMDB",   "LocationMov",  "qelmora"};

static_assert(std::size(kExportNames) == 8);

using TextFunction = const char* (*)();
using TextOfTextFunction = const char* (*)(const char*);
using SkyFunction = const char* (*)(const char*, int32_t, int32_t);
using PairsFunction = void (*)(const char*);

// The library owns the answer and replaces it on the next call: copy it now. A null
// pointer is empty text.
std::string CopyAnswer(const char* gbk) { return gbk ? GbkToUtf8(gbk) : std::string(); }

// The two exports beyond the eight are optional: a library without them is used as it is.
void HandOverSourceFile(void* handle, const std::filesystem::path& iniPath) {
  if (!handle || iniPath.empty()) return;
  using SourceFileFunction = void (*)(const char*);
  if (auto set = reinterpret_cast<SourceFileFunction>(dlsym(handle, "SetSourceFile"))) set(iniPath.c_str());
}

std::string TakeLibraryMessage(void* handle) {
  auto take = handle ? reinterpret_cast<TextFunction>(dlsym(handle, "TakeMessage")) : nullptr;
  return take ? CopyAnswer(take()) : std::string();
}

}  // namespace

CompanionLibrary::CompanionLibrary(std::filesystem::path programFolder, UnavailableCallback onUnavailable,
                                   UnavailableCallback onLibraryMessage)
    : libraryPath_(std::move(programFolder) / "sim" / "libqelmora.so"),
      onUnavailable_(std::move(onUnavailable)),
      onLibraryMessage_(std::move(onLibraryMessage)) {}

CompanionLibrary::~CompanionLibrary() {
  if (handle_) dlclose(handle_);
}

void* CompanionLibrary::Bind(Export which, std::string& message) {
  if (!loadTried_) {
    loadTried_ = true;
    handle_ = dlopen(libraryPath_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      const char* reason = dlerror();
      message = "组件 " + libraryPath_.string() + " 无法加载" + (reason ? std::string("：") + reason : std::string());
      return nullptr;
    }
    HandOverSourceFile(handle_, sourceFile_);
  }
  if (!handle_) return nullptr;
  if (!bindTried_[which]) {
    bindTried_[which] = true;
    dlerror();
    bound_[which] = dlsym(handle_, kExportNames[which]);
    if (!bound_[which]) message = "组件 " + libraryPath_.string() + " 缺少函数 " + kExportNames[which];
  }
  return bound_[which];
}

template <typename Function, typename... Args>
std::string CompanionLibrary::CallForText(Export which, Args... args) {
  std::string message;
  std::string answer;
  {
    std::lock_guard lock(mutex_);
    if (void* symbol = Bind(which, message)) answer = CopyAnswer(reinterpret_cast<Function>(symbol)(args...));
  }
  // Outside the lock, so that the callback may call the library itself.
  Report(message);
  return answer;
}

void CompanionLibrary::Report(const std::string& message) const {
  if (!message.empty() && onUnavailable_) onUnavailable_(message);
}

void CompanionLibrary::ReportLibraryMessage(const std::string& message) const {
  if (message.empty()) return;
  if (onLibraryMessage_) {
    onLibraryMessage_(message);
  } else {
    Report(message);
  }
}

std::string CompanionLibrary::Qelmora(const std::string& utf8Draws, int slots, int offset) {
  const std::string gbk = Utf8ToGbk(utf8Draws);
  return CallForText<SkyFunction>(kQelmora, gbk.c_str(), static_cast<int32_t>(slots), static_cast<int32_t>(offset));
}

void CompanionLibrary::GetJXdate(const std::string& pairs) {
  const std::string gbk = Utf8ToGbk(pairs);
  std::string message;
  {
    std::lock_guard lock(mutex_);
    if (void* symbol = Bind(kGetJXdate, message)) reinterpret_cast<PairsFunction>(symbol)(gbk.c_str());
  }
  Report(message);
}

std::string CompanionLibrary::GetOldDate1() {
  std::string answer = CallForText<TextFunction>(kGetOldDate1);
  std::string message;
  {
    std::lock_guard lock(mutex_);
    message = TakeLibraryMessage(handle_);
  }
  ReportLibraryMessage(message);
  return answer;
}

void CompanionLibrary::SetSourceFile(std::filesystem::path iniPath) {
  std::lock_guard lock(mutex_);
  sourceFile_ = std::move(iniPath);
  HandOverSourceFile(handle_, sourceFile_);
}

std::string CompanionLibrary::GetOldDate2() { return CallForText<TextFunction>(kGetOldDate2); }

std::string CompanionLibrary::GetOldDate(const std::string& date) {
  const std::string gbk = Utf8ToGbk(date);
  return CallForText<TextOfTextFunction>(kGetOldDate, gbk.c_str());
}

std::string CompanionLibrary::UpdateNewDate() { return CallForText<TextFunction>(kUpdateNewDate); }

std::string CompanionLibrary::LocationMov() { return CallForText<TextFunction>(kLocationMov); }

std::string CompanionLibrary::UpdateMDB() { return CallForText<TextFunction>(kUpdateMDB); }

}  // namespace pk
