#include "store/statements.h"

#include <algorithm>
#include <iterator>

#include "base/text.h"
#include "store/store_files.h"

namespace pk {

namespace {

// SQLite's reserved words; such a name is not a bare identifier either.
constexpr std::string_view kKeywords[] = {
    "ABORT", "ACTION", "ADD", "AFTER", "ALL", "ALTER", "ALWAYS", "ANALYZE", "AND", "AS", "ASC", "ATTACH",
    "AUTOINCREMENT", "BEFORE", "BEGIN", "BETWEEN", "BY", "CASCADE", "CASE", "CAST", "CHECK", "COLLATE",
    "COLUMN", "COMMIT", "CONFLICT", "CONSTRAINT", "CREATE", "CROSS", "CURRENT", "CURRENT_DATE",
    "CURRENT_TIME", "CURRENT_TIMESTAMP", "DATABASE", "DEFAULT", "DEFERRABLE", "DEFERRED", "DELETE", "DESC",
    "DETACH", "DISTINCT", "DO", "DROP", "EACH", "ELSE", "END", "ESCAPE", "EXCEPT", "EXCLUDE", "EXCLUSIVE",
    "EXISTS", "EXPLAIN", "FAIL", "FILTER", "FIRST", "FOLLOWING", "FOR", "FOREIGN", "FROM", "FULL",
    "GENERATED", "GLOB", "GROUP", "GROUPS", "HAVING", "IF", "IGNORE", "IMMEDIATE", "IN", "INDEX", "INDEXED",
    "INITIALLY", "INNER", "INSERT", "INSTEAD", "INTERSECT", "INTO", "IS", "ISNULL", "JOIN", "KEY", "LAST",
    "LEFT", "LIKE", "LIMIT", "MATCH", "MATERIALIZED", "NATURAL", "NO", "NOT", "NOTHING", "NOTNULL", "NULL",
    "NULLS", "OF", "OFFSET", "ON", "OR", "ORDER", "OTHERS", "OUTER", "OVER", "PARTITION", "PLAN", "PRAGMA",
    "PRECEDING", "PRIMARY", "QUERY", "RAISE", "RANGE", "RECURSIVE", "REFERENCES", "REGEXP", "REINDEX",
    "RELEASE", "RENAME", "REPLACE", "RESTRICT", "RETURNING", "RIGHT", "ROLLBACK", "ROW", "ROWS",
    "SAVEPOINT", "SELECT", "SET", "TABLE", "TEMP", "TEMPORARY", "THEN", "TIES", "TO", "TRANSACTION",
    "TRIGGER", "UNBOUNDED", "UNION", "UNIQUE", "UPDATE", "USING", "VACUUM", "VALUES", "VIEW", "VIRTUAL",
    "WHEN", "WHERE", "WINDOW", "WITH"};

bool IsIdentifierStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;  // >= 0x80: UTF-8 letters
}

bool IsIdentifierPart(unsigned char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9') || c == '$'; }

bool IsKeyword(std::string_view name) {
  const std::string upper = ToUpperAscii(name);
  return std::find(std::begin(kKeywords), std::end(kKeywords), upper) != std::end(kKeywords);
}

bool IsBareIdentifier(std::string_view name) {
  if (name.empty() || !IsIdentifierStart(static_cast<unsigned char>(name.front()))) return false;
  for (char c : name) {
    if (!IsIdentifierPart(static_cast<unsigned char>(c))) return false;
  }
  return !IsKeyword(name);
}

// A period as a fresh staging file stores it: digits, possibly framed by line feeds.
bool IsStoredDigitText(std::string_view text) {
  const size_t first = text.find_first_not_of("\r\n");
  if (first == std::string_view::npos) return false;
  const size_t last = text.find_last_not_of("\r\n");
  return IsDigitString(text.substr(first, last - first + 1));
}

// (期号,一,二,…,十) values ('v0','v1',…,'v10')
std::string DrawColumnsAndValues(std::string_view valuesKeyword, std::span<const std::string> values) {
  std::string text = "(";
  text += kStagingPeriodColumn;
  for (std::string_view column : kStagingPositionColumns) {
    text += ',';
    text += column;
  }
  text += ") ";
  text += valuesKeyword;
  text += " (";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += ',';
    text += '\'';
    text += values[i];
    text += '\'';
  }
  return text + ")";
}

}  // namespace

std::string SqlIdentifier(std::string_view name) {
  if (IsBareIdentifier(name)) return std::string(name);
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::optional<std::string> UpdateExtreme(std::string_view table, std::string_view column,
                                         std::string_view keyColumn, std::string_view key,
                                         std::string_view value) {
  if (!IsDigitString(key) || !IsDigitString(value)) return std::nullopt;
  std::string text = "update " + SqlIdentifier(table) + " set " + SqlIdentifier(column) + "='";
  text += value;
  text += "' where " + SqlIdentifier(keyColumn) + "='";
  text += key;
  return text + "'";
}

std::optional<std::string> InsertDraw(std::span<const std::string> values) {
  if (values.size() != 1 + kStagingPositionColumns.size()) return std::nullopt;
  if (!std::all_of(values.begin(), values.end(), [](const std::string& v) { return IsStoredDigitText(v); })) {
    return std::nullopt;
  }
  return "insert into " + std::string(kStagingTable) + " " + DrawColumnsAndValues("values", values);
}

std::optional<std::string> InsertFetchedDraw(std::span<const std::string> values) {
  if (values.size() != 1 + kStagingPositionColumns.size()) return std::nullopt;
  // The staging columns hold texts of up to 50 characters; a page's longer "number" is no draw.
  constexpr size_t kColumnWidth = 50;
  if (!std::all_of(values.begin(), values.end(),
                   [](const std::string& v) { return v.size() <= kColumnWidth && IsDigitString(v); })) {
    return std::nullopt;
  }
  return "INSERT INTO " + std::string(kStagingTable) + " " + DrawColumnsAndValues("VALUES", values);
}

std::string ClearDraws() { return DeleteAllStatement(kStagingTable); }

std::string DeleteAllStatement(std::string_view table) { return "delete from " + SqlIdentifier(table); }

}  // namespace pk
