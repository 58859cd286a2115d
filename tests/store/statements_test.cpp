#include "store/statements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pk {
namespace {

std::vector<std::string> Draw(std::string period) {
  return {std::move(period), "04", "05", "08", "03", "01", "02", "07", "09", "10", "06"};
}

TEST(StatementsTest, ExactTexts) {
  struct Case {
    std::optional<std::string> built;
    std::string expected;
  };
  const Case cases[] = {
      {UpdateExtreme("三码极限", "遗漏极限", "号码组合", "357", "41"),
       "update 三码极限 set 遗漏极限='41' where 号码组合='357'"},
      {UpdateExtreme("kill_one", "连开极限", "位置组合", "019", "7"),
       "update kill_one set 连开极限='7' where 位置组合='019'"},
      {UpdateExtreme("号码_位置遗漏", "位置遗漏", "号码", "10", "123"),
       "update 号码_位置遗漏 set 位置遗漏='123' where 号码='10'"},
      // A column named by digits is quoted; everything else stays as it is.
      {UpdateExtreme("五码走势极限", "12340", "号码组合", "111111111", "25"),
       "update 五码走势极限 set \"12340\"='25' where 号码组合='111111111'"},
      {InsertDraw(Draw("\n472538\n")),
       "insert into PK10date (期号,一,二,三,四,五,六,七,八,九,十) values "
       "('\n472538\n','04','05','08','03','01','02','07','09','10','06')"},
      {InsertFetchedDraw(Draw("472547")),
       "INSERT INTO PK10date (期号,一,二,三,四,五,六,七,八,九,十) VALUES "
       "('472547','04','05','08','03','01','02','07','09','10','06')"},
      {ClearDraws(), "delete from PK10date"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.built.has_value()) << c.expected;
    EXPECT_EQ(*c.built, c.expected);
  }
}

TEST(StatementsTest, RefusesValuesThatAreNotDigitStrings) {
  const std::string hostile = "01');DELETE FROM PK10date;--";
  for (const std::string& bad : {hostile, std::string(""), std::string(" 1"), std::string("4.5"),
                                 std::string("-1"), std::string("1'"), std::string("\n")}) {
    EXPECT_FALSE(UpdateExtreme("三码极限", "遗漏极限", "号码组合", bad, "41")) << bad;
    EXPECT_FALSE(UpdateExtreme("三码极限", "遗漏极限", "号码组合", "357", bad)) << bad;
    for (size_t i : {0u, 5u, 10u}) {
      std::vector<std::string> draw = Draw("472547");
      draw[i] = bad;
      EXPECT_FALSE(InsertFetchedDraw(draw)) << bad << " at " << i;
      EXPECT_FALSE(InsertDraw(draw)) << bad << " at " << i;
    }
  }
  // Line feeds around a period are the stored form: only the re-insert accepts them.
  EXPECT_FALSE(InsertFetchedDraw(Draw("\n472538\n")));
  EXPECT_FALSE(InsertDraw(Draw("\n4725'38\n")));
  // Eleven values, no more and no fewer.
  std::vector<std::string> shortDraw = Draw("472547");
  shortDraw.pop_back();
  EXPECT_FALSE(InsertFetchedDraw(shortDraw));
  EXPECT_FALSE(InsertDraw(shortDraw));
}

TEST(StatementsTest, IdentifiersAreQuotedOnlyWhenSqlNeedsIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"遗漏极限", "遗漏极限"},       {"号码_位置遗漏", "号码_位置遗漏"}, {"kill_one_4", "kill_one_4"},
      {"12340", "\"12340\""},         {"0", "\"0\""},                     {"select", "\"select\""},
      {"a\"b", "\"a\"\"b\""},         {"a b", "\"a b\""},                 {"", "\"\""},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(SqlIdentifier(name), expected) << name;
}

}  // namespace
}  // namespace pk
