#include "base/gbk.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace pk {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD

TEST(Gbk, ConvertsChineseBothWays) {
  EXPECT_EQ(Utf8ToGbk("推荐"), "\xCD\xC6\xBC\xF6");
  EXPECT_EQ(GbkToUtf8("\xCD\xC6\xBC\xF6"), "推荐");
  for (const std::string text : {"", "abc 123", "二码极限", "2014年3月5日12时5分8秒", "软件已运行，请勿重复运行！"}) {
    EXPECT_EQ(GbkToUtf8(Utf8ToGbk(text)), text);
  }
}

TEST(Gbk, ReplacesWhatCannotBeConvertedAndGoesOn) {
  // Towards GBK: broken UTF-8 and characters GBK lacks become "?".
  EXPECT_EQ(Utf8ToGbk("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToGbk("推\xE8\x8D"), "\xCD\xC6?");           // truncated at the end
  EXPECT_EQ(Utf8ToGbk("推\xE8" "x荐"), "\xCD\xC6?x\xBC\xF6");  // broken in the middle
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");      // an emoji, one "?"
  // Towards UTF-8: invalid GBK becomes U+FFFD.
  EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a" + kReplacement + "b");
  EXPECT_EQ(GbkToUtf8("\x81 b"), kReplacement + " b");  // lead byte without a trail byte
  EXPECT_EQ(GbkToUtf8("\xA2\xA0x"), kReplacement + "x");  // unmapped pair, one replacement
  EXPECT_EQ(GbkToUtf8("\xA1@<"), kReplacement + "@<");  // an ASCII trail byte is kept
  EXPECT_EQ(GbkToUtf8("\xCD\xC6\xCD"), "推" + kReplacement);  // lone lead byte at the end
  EXPECT_EQ(GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Gbk, LengthCountsGbkBytes) {
  EXPECT_EQ(GbkLength("推荐"), 4u);
  EXPECT_EQ(GbkLength("二码ab"), 6u);
  EXPECT_EQ(GbkLength(""), 0u);
  EXPECT_EQ(GbkLength("\xF0\x9F\x98\x80"), 1u);  // written as one "?"
}

TEST(Gbk, CompareOrdersByUnsignedGbkBytes) {
  // In GBK 啊 (B0A1) sorts before 吧 (B0C9); their UTF-8 forms sort the other way.
  EXPECT_LT(GbkCompare("啊", "吧"), 0);
  EXPECT_GT(GbkCompare("吧", "啊"), 0);
  EXPECT_GT(GbkCompare("推", "z"), 0);  // bytes above 0x7F are larger, not negative
  EXPECT_LT(GbkCompare("B", "a"), 0);
  EXPECT_LT(GbkCompare("12", "123"), 0);
  EXPECT_EQ(GbkCompare("二码", "二码"), 0);
}

TEST(Gbk, ConvertsOnManyThreadsAtOnce) {
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &failures] {
      for (int i = 0; i < 2000; ++i) {
        const std::string text = "推荐" + std::to_string(i * 4 + t) + "号码";
        if (GbkToUtf8(Utf8ToGbk(text)) != text) ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace pk
