#include "delivered_store.h"

#include "champion_extremes.h"
#include "store_script.h"

namespace pk::mkstore {

namespace {

void AddChampionOmission(StoreScript& script, std::span<const SimulatedDraw> draws) {
  const ChampionExtremes extremes = ComputeChampionExtremes(draws);
  const std::string table = "号码_位置遗漏";
  script.CreateTable(table, {"号码 TEXT PRIMARY KEY", "号码遗漏 TEXT", "位置遗漏 TEXT"});
  for (int k = 1; k <= 10; ++k) {
    script.InsertRow(table, {std::to_string(k), std::to_string(extremes.number[k - 1]),
                             std::to_string(extremes.position[k - 1])});
  }
}

}  // namespace

std::string DeliveredStoreScript(std::span<const SimulatedDraw> draws) {
  StoreScript script;
  AddChampionOmission(script, draws);
  return script.Text();
}

}  // namespace pk::mkstore
