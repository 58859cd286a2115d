#pragma once
// The SQL text that creates the delivered store's tables and fills them, in one transaction.
// Every value is the program's own text (digit strings), written in single quotes.
#include <string>
#include <string_view>
#include <vector>

namespace pk::mkstore {

class StoreScript {
 public:
  StoreScript();

  // columns: the column definitions as SQL ("号码组合 TEXT PRIMARY KEY").
  void CreateTable(std::string_view table, const std::vector<std::string>& columns);
  void InsertRow(std::string_view table, const std::vector<std::string>& values);

  // The whole script, ending the transaction.
  std::string Text() const;

 private:
  std::string sql_;
};

}  // namespace pk::mkstore
