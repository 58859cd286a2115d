#include "companion/library_context.h"

#include <mutex>
#include <utility>

#include "base/ini.h"

namespace pk {

namespace {

std::mutex mutex;
WebSources sources = WebSources::Defaults();
std::string message;

}  // namespace

void SetScraperSources(const WebSources& newSources) {
  std::lock_guard lock(mutex);
  sources = newSources;
}

void SetScraperSourceFile(const std::string& iniPath) { SetScraperSources(LoadWebSources(IniFile(iniPath))); }

WebSources ScraperSources() {
  std::lock_guard lock(mutex);
  return sources;
}

void KeepLibraryMessage(std::string text) {
  std::lock_guard lock(mutex);
  message = std::move(text);
}

std::string TakeLibraryMessage() {
  std::lock_guard lock(mutex);
  return std::exchange(message, std::string());
}

}  // namespace pk
