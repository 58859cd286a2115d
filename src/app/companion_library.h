#pragma once
// The program's binding of the companion library sim/libqelmora.so: the library is
// loaded on the first call of any export, each export is bound by name on its own first
// call, texts go in and come out as UTF-8 (the library speaks GBK) and every answer is
// copied at once, before the library replaces it. When the library or an export cannot
// be had, the call answers empty text and the unavailable callback hears of it once,
// with a message naming what is missing; it also hears the message a library call raises
// itself (the draw page's "获取失败，请重新获取！"). Right after loading, the library is
// told the settings file whose [Sources] name its web sources. Calls are serialised: the
// library's state is not guarded.
#include <array>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>

namespace pk {

class CompanionLibrary {
 public:
  using UnavailableCallback = std::function<void(const std::string& message)>;

  // programFolder holds sim/libqelmora.so. Either callback may be empty; without the second,
  // the messages a library call raises itself go to the first as well.
  explicit CompanionLibrary(std::filesystem::path programFolder, UnavailableCallback onUnavailable = {},
                            UnavailableCallback onLibraryMessage = {});
  ~CompanionLibrary();
  CompanionLibrary(const CompanionLibrary&) = delete;
  CompanionLibrary& operator=(const CompanionLibrary&) = delete;

  // The sky nine-code kills for a draws text (period and ten numbers per draw).
  std::string Qelmora(const std::string& utf8Draws, int slots, int offset);
  // Hands over the nine-code position extremes as blank-separated pairs.
  void GetJXdate(const std::string& pairs);
  std::string GetOldDate1();
  std::string GetOldDate2();
  // The draws of one day, date written year-month-day.
  std::string GetOldDate(const std::string& date);
  std::string UpdateNewDate();
  std::string LocationMov();
  std::string UpdateMDB();

  const std::filesystem::path& LibraryPath() const { return libraryPath_; }

  // The settings file (<home>/UserDestop.ini) handed to the library's SetSourceFile right
  // after it is loaded, or at once when it already is. Without it the library reads its
  // default addresses.
  void SetSourceFile(std::filesystem::path iniPath);

 private:
  enum Export { kGetJXdate, kGetOldDate, kGetOldDate1, kGetOldDate2, kUpdateNewDate, kUpdateMDB, kLocationMov, kQelmora, kExportCount };

  // Loads the library and binds the export when not done yet; null when either is
  // missing, with the message to report (once) left in `message`. Needs mutex_.
  void* Bind(Export which, std::string& message);
  template <typename Function, typename... Args>
  std::string CallForText(Export which, Args... args);

  void Report(const std::string& message) const;
  void ReportLibraryMessage(const std::string& message) const;

  std::filesystem::path libraryPath_;
  UnavailableCallback onUnavailable_;
  UnavailableCallback onLibraryMessage_;
  std::mutex mutex_;
  void* handle_ = nullptr;
  bool loadTried_ = false;
  std::array<void*, kExportCount> bound_{};
  std::array<bool, kExportCount> bindTried_{};
  std::filesystem::path sourceFile_;
};

}  // namespace pk
