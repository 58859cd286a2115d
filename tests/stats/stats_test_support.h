#pragma once
// What the statistics tests share: a program over a temporary data folder, an encrypted
// extremes store written there, and draws built from their finishing orders.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/draw_history.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "store/cipher_database.h"
#include "store/draw_store.h"
#include "store/statement_log.h"
#include "store/store_files.h"

namespace pk::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("pkcalc-stats-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Writes date.dat into home, encrypted with its password, from an SQL script.
inline void WriteExtremesStore(const std::string& home, const std::string& script) {
  auto db = CipherDatabase::CreateNew(DataFilePath(home, kExtremesFileName), kExtremesPassword);
  ASSERT_TRUE(db && db->ExecuteScript("BEGIN;" + script + "COMMIT;"));  // one transaction: one sync
}

// A finishing order with the given numbers first and the remaining numbers after them,
// ascending.
inline std::array<std::string, 10> Order(std::vector<int> leading) {
  std::array<std::string, 10> numbers;
  std::vector<bool> used(11, false);
  size_t at = 0;
  for (int n : leading) {
    used[n] = true;
    numbers[at++] = (n < 10 ? "0" : "") + std::to_string(n);
  }
  for (int n = 1; n <= 10; ++n) {
    if (!used[n]) numbers[at++] = (n < 10 ? "0" : "") + std::to_string(n);
  }
  return numbers;
}

// A fixed pseudo-random finishing order.
inline std::array<std::string, 10> RandomOrder(std::mt19937& random) {
  std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int i = 9; i > 0; --i) std::swap(numbers[i], numbers[random() % (i + 1)]);
  return Order(numbers);
}

struct StatsTest : testing::Test {
  TempFolder home;
  RecordingPlatform platform;
  Program program{platform, home.Path()};
  int nextPeriod = 500001;

  UiWindow& Main() { return program.ui().Window(kMainWindow); }
  std::string Status() { return Main().Get<StatusBarModel>("状态条1").PartText(0); }

  void AddDraw(const std::array<std::string, 10>& numbers) {
    AppendDraw(program, numbers, std::to_string(nextPeriod++));
  }
  // A draw with this champion, the other numbers ascending after it.
  void AddChampion(int champion) { AddDraw(Order({champion})); }

  // Opens date.dat of the data folder as the main window's connection.
  void OpenStore(const std::string& script) {
    WriteExtremesStore(home.Path(), script);
    program.store = DrawStore::OpenExtremes(home.Path(), &program.statements());
    ASSERT_TRUE(program.store->IsReadable());
  }
  std::vector<std::string> Statements() { return program.statements().Texts(); }

  // One stored value, read back through a fresh connection.
  std::string StoredText(const std::string& table, const std::string& keyColumn, const std::string& key,
                         const std::string& column) {
    DrawStore store(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
    TableSnapshot rows;
    store.ReadTable(table, rows);
    for (size_t r = 0; r < rows.RowCount(); ++r) {
      if (rows.Text(r, keyColumn) == key) return std::string(rows.Text(r, column));
    }
    return "<absent>";
  }
};

}  // namespace pk::test
