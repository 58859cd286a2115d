#include <gtest/gtest.h>

#include "acquire/help_window.h"
#include "acquire/online_bulletin.h"
#include "acquire_fixture.h"
#include "page_server.h"

namespace pk {
namespace {

using Texts = std::vector<std::string>;

std::string NoticePage(const std::string& version) {
  return "<p>最新版本-[" + version + "]</p><p>下载地址-[http://dl.example/pk]</p>"
         "<p>更新内容-[a;b；c]</p><p>温馨提示-[tip1；tip2]</p>"
         "<p>帮助说明-[T1|line1\\line2||视频教程|http://video.example/1||T3]</p>";
}

TEST(BulletinTexts, ListsSplitAtEitherSemicolonAndHelpTopicsKeepTheirLineBreaks) {
  EXPECT_EQ(SplitBulletinList("a;b；c"), (Texts{"a", "b", "c"}));
  EXPECT_EQ(SplitBulletinList(""), Texts{});
  EXPECT_EQ(SplitHelpTexts("T1|line1\\line2||T2|x"), (Texts{"T1|line1\r\nline2", "T2|x"}));

  const BulletinTexts texts = ReadBulletinTexts(NoticePage("1.0.2"));
  EXPECT_EQ(texts.latestVersion, "1.0.2");
  EXPECT_EQ(texts.downloadUrl, "http://dl.example/pk");
  EXPECT_EQ(texts.updateNotes, (Texts{"a", "b", "c"}));
  EXPECT_EQ(texts.tips, (Texts{"tip1", "tip2"}));
  EXPECT_EQ(texts.helpTexts, (Texts{"T1|line1\r\nline2", "视频教程|http://video.example/1", "T3"}));

  const BulletinTexts none = ReadBulletinTexts("<p>最新版本-[1.0]</p>");
  EXPECT_EQ(none.downloadUrl, "");
  EXPECT_TRUE(none.tips.empty() && none.helpTexts.empty());
}

struct BulletinTest : test::ProgramFixture {
  test::PageServer server;
  BulletinTest() {
    program.sources = WebSources::AllAt(server.Base());
    program.app.ProgramVersion = "1.0.1.90";
  }
  void Notice(const std::string& page, int status = 200) { server.Set("/pkcalc/notice.html", {page, status}); }
};

TEST_F(BulletinTest, FetchReadsTheTextsOnceAndTheServerClockEveryTime) {
  Notice("", 500);
  EXPECT_EQ(FetchBulletin(program), "2014-03-01");  // 02:03:10 GMT is 10:03:10 on the server
  EXPECT_EQ(program.app.Clock.ServerTime(), MakeDateTime(2014, 3, 1, 10, 3, 10));
  EXPECT_TRUE(program.app.Tips.empty());  // an error page is no bulletin

  Notice(NoticePage("1.0.2"));
  FetchBulletin(program);
  EXPECT_EQ(program.app.LatestVersion, "1.0.2");
  EXPECT_EQ(program.app.Tips, (Texts{"tip1", "tip2"}));
  EXPECT_EQ(program.app.HelpTexts.size(), 3u);

  server.Set("/pkcalc/notice.html", {NoticePage("9.9"), 200, "Sun, 02 Mar 2014 16:00:00 GMT"});
  EXPECT_EQ(FetchBulletin(program), "2014-03-03");
  EXPECT_EQ(program.app.LatestVersion, "1.0.2");  // read once per run
}

TEST_F(BulletinTest, UpdateCheckComparesVersionsIgnoringCase) {
  program.app.ProgramVersion = "1.0.1.90-Beta";
  Notice(NoticePage("1.0.1.90-BETA"));
  CheckForUpdate(program);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "已是最新版本，无需更新！\r\n\r\na；\r\nb；\r\nc；\r\n");
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(platform.EndRequests(), 0);
}

TEST_F(BulletinTest, UpdateCheckOffersANewerVersionAndYesEndsTheProgram) {
  Notice(NoticePage("1.0.2"));
  auto& tray = Main().Get<TrayIconModel>("托盘图标");
  tray.Add(kProgramIcon, "tip");

  CheckForUpdate(program);  // answered No
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "最新版本：1.0.2\r\n\r\na；\r\nb；\r\nc；\r\n");
  EXPECT_EQ(platform.Messages()[0].title, "是否更新");
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.EndRequests(), 0);
  EXPECT_TRUE(tray.Present());

  platform.QueueAnswer(MessageAnswer::Yes);
  Main().ChooseMenu("检查更新");
  EXPECT_FALSE(tray.Present());
  EXPECT_EQ(platform.OpenedAddresses(), Texts{"http://dl.example/pk"});
  EXPECT_EQ(platform.EndRequests(), 1);
}

TEST_F(BulletinTest, AnUnreadableBulletinIsNoUpdateAndKeepsTheTexts) {
  program.app.Tips = {"kept"};
  program.sources.onlineBulletin = server.Base() + "/missing.html";
  platform.QueueAnswer(MessageAnswer::Yes);
  CheckForUpdate(program);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(platform.EndRequests(), 0);
  EXPECT_TRUE(platform.OpenedAddresses().empty());
  EXPECT_EQ(program.app.Tips, Texts{"kept"});
}

struct HelpWindowTest : BulletinTest {
  UiWindow& Help() { return program.ui().Window(kHelpWindow); }
  TreeModel& Tree() { return Help().Get<TreeModel>(kHelpTree); }
  std::string Text() { return Help().Get<RichEditModel>(kHelpText).Text(); }
};

TEST_F(HelpWindowTest, TopicsFillTheTreeAndASelectionShowsItsBody) {
  program.app.HelpTexts = SplitHelpTexts("T1|line1\\line2||视频教程|http://video.example/1||T3");
  Main().ChooseMenu("使用帮助");
  EXPECT_TRUE(Help().Model().Visible());
  EXPECT_EQ(Text(), "点击右键刷新！");
  ASSERT_EQ(Tree().Items().size(), 3u);
  EXPECT_EQ(Tree().ItemText(1), "视频教程");
  EXPECT_FALSE(HelpRefreshOffered(program));

  Tree().Select(0);
  EXPECT_EQ(Text(), "line1\r\nline2");
  EXPECT_EQ(Help().Get<TooltipModel>(kHelpHint).Hint(kHelpTree), "T1");
  ClickHelpText(program);
  EXPECT_TRUE(platform.OpenedAddresses().empty());

  Tree().Select(1);
  ClickHelpText(program);
  EXPECT_EQ(platform.OpenedAddresses(), Texts{"http://video.example/1"});

  Tree().Select(2);  // a topic without a body
  EXPECT_EQ(Text(), "");
  Tree().Select(7);  // beyond the topics
  EXPECT_EQ(Text(), "");

  Main().ChooseMenu("使用帮助");  // shown already: no second set of topics
  EXPECT_EQ(Tree().Items().size(), 3u);
}

TEST_F(HelpWindowTest, WithoutTopicsRefreshReadsTheBulletin) {
  Main().ChooseMenu("使用帮助");
  EXPECT_TRUE(Tree().Items().empty());
  EXPECT_EQ(Text(), "点击右键刷新！");
  ASSERT_TRUE(HelpRefreshOffered(program));

  Help().ChooseMenu("刷新");  // nothing to read yet
  EXPECT_TRUE(Tree().Items().empty());

  Notice(NoticePage("1.0.2"));
  Help().ChooseMenu("刷新");
  EXPECT_EQ(Tree().Items().size(), 3u);
  EXPECT_EQ(program.app.LatestVersion, "1.0.2");
  EXPECT_FALSE(HelpRefreshOffered(program));
  Help().ChooseMenu("刷新");
  EXPECT_EQ(Tree().Items().size(), 3u);
}

}  // namespace
}  // namespace pk
