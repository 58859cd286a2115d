// The exported C interface of the companion library. Texts cross it as zero-terminated
// GBK; inside they are UTF-8. Every text-returning export keeps its latest answer in a
// slot of its own: the pointer it returns stays valid until the next call of the same
// export, and the caller never frees it. The state is not locked: the program calls the
// exports one at a time.
#include <chrono>
#include <cstdint>
#include <random>
#include <string>

#include "base/gbk.h"
#include "companion/history_scrapers.h"
#include "companion/library_context.h"
#include "companion/position_extremes_table.h"
#include "companion/sky_nine_code.h"

#define QELMORA_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct LibraryState {
  pk::PositionExtremesTable positionExtremes;
  // Handed out (and then emptied) by UpdateMDB; nothing else sets it.
  std::string mdbText;
  std::mt19937 random{static_cast<std::mt19937::result_type>(std::chrono::steady_clock::now().time_since_epoch().count())};

  std::string drawPageAnswer, bulletinAnswer, dayListAnswer, newestDrawAnswer, locationAnswer, mdbAnswer, skyAnswer;
  std::string messageAnswer;
};

// Created when the library is loaded, freed when it is unloaded.
LibraryState state;

std::string FromGbk(const char* gbk) { return gbk ? pk::GbkToUtf8(gbk) : std::string(); }

// Stores the answer of work() in GBK in slot and returns the slot's text. No exception
// crosses the C interface: a failure answers empty text.
template <typename Work>
const char* Keep(std::string& slot, Work&& work) {
  try {
    slot = pk::Utf8ToGbk(work());
  } catch (...) {
    slot.clear();
  }
  return slot.c_str();
}

}  // namespace

QELMORA_EXPORT void GetJXdate(const char* pairs) {
  try {
    state.positionExtremes.Fill(FromGbk(pairs));
  } catch (...) {
    state.positionExtremes.Fill({});
  }
}

QELMORA_EXPORT const char* Get_olddate1() { return Keep(state.drawPageAnswer, [] { return pk::ScrapeDrawPage(); }); }

QELMORA_EXPORT const char* Get_olddate2() {
  return Keep(state.bulletinAnswer, [] { return pk::ScrapeBulletinPages(); });
}

QELMORA_EXPORT const char* Get_olddate(const char* date) {
  return Keep(state.dayListAnswer, [date] { return pk::ScrapeDayDrawList(FromGbk(date)); });
}

QELMORA_EXPORT const char* LocationMov() { return Keep(state.locationAnswer, [] { return std::string(); }); }

QELMORA_EXPORT const char* UpdateMDB() {
  // The kept text is GBK already; hand it over and empty it.
  state.mdbAnswer = std::move(state.mdbText);
  state.mdbText.clear();
  return state.mdbAnswer.c_str();
}

QELMORA_EXPORT const char* Updatenewdate() {
  return Keep(state.newestDrawAnswer, [] { return pk::ScrapeNewestDraw(state.random); });
}

QELMORA_EXPORT const char* qelmora(const char* draws, int32_t slotCount, int32_t offset) {
  return Keep(state.skyAnswer, [=] { return pk::SkyNineCode(FromGbk(draws), slotCount, offset); });
}

// Beyond the eight: the program names its settings file right after loading the library
// (the path as the file system writes it, not GBK), and takes the text of a message box
// the library would have shown.
QELMORA_EXPORT void SetSourceFile(const char* iniPath) {
  try {
    if (iniPath && *iniPath) pk::SetScraperSourceFile(iniPath);
  } catch (...) {
  }
}

QELMORA_EXPORT const char* TakeMessage() {
  return Keep(state.messageAnswer, [] { return pk::TakeLibraryMessage(); });
}
