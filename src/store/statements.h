#pragma once
// The texts of the statements the program writes into its two stores. They are built by
// joining fixed texts with values, so every value must be a plain digit string before it
// may enter one: a builder refuses anything else and gives nullopt (the caller reports
// the refusal; DrawStore::Run turns it into StatementResult::Refused). Table and column
// names come only from the program's own constants.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pk {

// The name as SQL accepts it: unchanged when it is a valid bare identifier, otherwise in
// double quotes with inner quotes doubled. The trend tables' combination columns are
// named by digits ("12340"), which SQL reads as numbers unless quoted.
std::string SqlIdentifier(std::string_view name);

// update <table> set <column>='<value>' where <keyColumn>='<key>'
// Refused unless key and value are digit strings.
std::optional<std::string> UpdateExtreme(std::string_view table, std::string_view column,
                                         std::string_view keyColumn, std::string_view key,
                                         std::string_view value);

// insert into PK10date (期号,一,…,十) values ('<期号>','<一>',…,'<十>'): re-inserts a row
// read back from the staging table. values: 期号 then the ten car numbers. Refused unless
// there are eleven values, each a digit string; the line feeds that frame the periods of a
// fresh staging file are allowed around the digits and kept as they were.
std::optional<std::string> InsertDraw(std::span<const std::string> values);

// INSERT INTO PK10date (期号,一,…,十) VALUES ('<期号>','<一>',…,'<十>'): a draw fetched from
// the web. Refused unless there are eleven values, each a plain digit string.
std::optional<std::string> InsertFetchedDraw(std::span<const std::string> values);

// delete from PK10date: what deleting every row of a record set on the staging table runs.
std::string ClearDraws();

// "delete from " + table: the statement behind a record set's delete-all.
std::string DeleteAllStatement(std::string_view table);

}  // namespace pk
