// Worker threads write the models while the GUI thread reads them. Every operation
// must be atomic: no lost appends, no torn rows. Without the models' locks this test
// loses updates or crashes, and ThreadSanitizer reports the races.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/ui/ui_models.h"

namespace pk {
namespace {

constexpr int kWriters = 8;
constexpr int kRounds = 1000;

TEST(ThreadSafetyTest, ManyWritersOneReader) {
  UiRegistry registry;
  UiWindow& window = registry.AddWindow("MainWindow");
  auto& grid = window.Add<GridModel>("grid", 1, 4);
  auto& list = window.Add<ReportListModel>("list", std::vector<ListColumn>{{"a", 10, Align::Left}, {"b", 10, Align::Left}});
  auto& edit = window.Add<EditModel>("edit");
  auto& balloon = window.Add<BalloonModel>("balloon");
  auto& chart = window.Add<ChartModel>("chart", ControlKind::CurveChart, "t");
  std::atomic<long> notifications = 0;
  registry.SetChangeListener([&](const std::string&, const std::string&) { ++notifications; });

  std::atomic<bool> done = false;
  std::atomic<long> torn = 0;
  std::thread reader([&] {
    while (!done) {
      const GridSnapshot snapshot = grid.Snapshot();
      for (const auto& row : snapshot.rows)
        if (static_cast<int>(row.size()) != snapshot.column_count) ++torn;
      for (const auto& row : list.Rows())
        if (row.size() != 2) ++torn;
      if (edit.Text().size() % 3 != 0) ++torn;  // each append is three bytes
      (void)balloon.Shown();
      (void)chart.Points();
    }
  });

  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&, w] {
      for (int i = 0; i < kRounds; ++i) {
        const int row = grid.AppendRow();
        grid.SetCellText(row, w % 4, "x");
        grid.SetBackColour(CellRange{row, 0, row, 3}, kRed);
        if (i % 50 == 0) grid.InsertRow(1);
        const int item = list.InsertItem();
        list.SetItemText(item, 1, "y");
        edit.Append("ab\n");
        balloon.Show(w, i, "t");
        chart.SetPoint(i % 30, "c", i);
      }
    });
  }
  for (auto& writer : writers) writer.join();
  done = true;
  reader.join();

  const int appended = kWriters * kRounds;
  const int inserted = kWriters * (kRounds / 50);
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(grid.RowCount(), 1 + appended + inserted);
  EXPECT_EQ(list.ItemCount(), appended);
  EXPECT_EQ(edit.Text().size(), static_cast<size_t>(appended) * 3);
  EXPECT_EQ(balloon.Shown().size(), static_cast<size_t>(appended));
  EXPECT_EQ(chart.PointCount(), 30);
  // One notification per change; none is lost either.
  EXPECT_EQ(notifications, static_cast<long>(appended) * 8 + inserted);
}

}  // namespace
}  // namespace pk
