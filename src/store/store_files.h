#pragma once
// The two store files in the data folder, their passwords and the staging table's names.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace pk {

// The extremes store, delivered with the program.
inline constexpr std::string_view kExtremesFileName = "date.dat";
inline constexpr std::string_view kExtremesPassword = "Mist%=#!,,,";

// The history staging store, written fresh when missing.
inline constexpr std::string_view kStagingFileName = "PK10date_new.dll";
inline constexpr std::string_view kStagingPassword = "Greenmapletide..";

inline constexpr std::string_view kStagingTable = "PK10date";
inline constexpr std::string_view kStagingIdColumn = "编号";
inline constexpr std::string_view kStagingPeriodColumn = "期号";
// Finishing positions 1..10.
inline constexpr std::array<std::string_view, 10> kStagingPositionColumns = {"一", "二", "三", "四", "五",
                                                                             "六", "七", "八", "九", "十"};

// The path of a file in the data folder.
inline std::string DataFilePath(const std::string& home, std::string_view fileName) {
  return (std::filesystem::path(home) / fileName).string();
}

}  // namespace pk
