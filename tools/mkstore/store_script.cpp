#include "store_script.h"

#include "store/statements.h"

namespace pk::mkstore {

StoreScript::StoreScript() : sql_("BEGIN;\n") {}

void StoreScript::CreateTable(std::string_view table, const std::vector<std::string>& columns) {
  sql_ += "CREATE TABLE " + SqlIdentifier(table) + " (";
  for (size_t i = 0; i < columns.size(); ++i) sql_ += (i ? ", " : "") + columns[i];
  sql_ += ");\n";
}

void StoreScript::InsertRow(std::string_view table, const std::vector<std::string>& values) {
  sql_ += "INSERT INTO " + SqlIdentifier(table) + " VALUES (";
  for (size_t i = 0; i < values.size(); ++i) sql_ += (i ? ",'" : "'") + values[i] + "'";
  sql_ += ");\n";
}

std::string StoreScript::Text() const { return sql_ + "COMMIT;\n"; }

}  // namespace pk::mkstore
