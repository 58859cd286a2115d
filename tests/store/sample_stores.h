#pragma once
// Small store files for the tests: a few rows of each kind of extremes table.
#include <string>

#include "store/cipher_database.h"
#include "store/store_files.h"

namespace pk::test {

inline constexpr const char* kSampleExtremesScript =
    "CREATE TABLE 三码极限 (号码组合 TEXT PRIMARY KEY, 遗漏极限 TEXT);"
    "INSERT INTO 三码极限 VALUES ('120','30'), ('123','28'), ('357','40');"
    "CREATE TABLE 五码走势极限 (编号 INTEGER PRIMARY KEY, 号码组合 TEXT, \"12340\" TEXT, \"12345\" TEXT);"
    "INSERT INTO 五码走势极限 VALUES (1,'111111111','11','12'), (2,'111111112','21','22');";

// Writes a new encrypted store at path; false when it cannot.
inline bool WriteStore(const std::string& path, std::string_view password, const std::string& script) {
  auto db = CipherDatabase::CreateNew(path, password);
  return db && db->ExecuteScript(script);
}

}  // namespace pk::test
