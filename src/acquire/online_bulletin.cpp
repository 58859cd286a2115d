#include "acquire/online_bulletin.h"

#include "acquire/web_answer.h"
#include "app/platform.h"
#include "app/ui/ui_models.h"
#include "base/page_fetcher.h"
#include "base/text.h"
#include "base/time.h"

namespace pk {

namespace {

std::string Entry(std::string_view page, std::string_view marker) { return TextBetween(page, marker, "]"); }

// The entries the update check reads again (all but the help texts).
void ApplyVersionTexts(AppState& app, BulletinTexts texts) {
  app.LatestVersion = std::move(texts.latestVersion);
  app.DownloadUrl = std::move(texts.downloadUrl);
  app.UpdateNotes = std::move(texts.updateNotes);
  app.Tips = std::move(texts.tips);
}

std::string NotesText(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes) text += note + "；\r\n";
  return text;
}

}  // namespace

std::vector<std::string> SplitBulletinList(std::string_view value) { return Split(ReplaceAll(value, ";", "；"), "；"); }

std::vector<std::string> SplitHelpTexts(std::string_view value) { return Split(ReplaceAll(value, "\\", "\r\n"), "||"); }

BulletinTexts ReadBulletinTexts(std::string_view page) {
  BulletinTexts texts;
  texts.latestVersion = Entry(page, "最新版本-[");
  texts.downloadUrl = Entry(page, "下载地址-[");
  texts.updateNotes = SplitBulletinList(Entry(page, "更新内容-["));
  texts.tips = SplitBulletinList(Entry(page, "温馨提示-["));
  texts.helpTexts = SplitHelpTexts(Entry(page, "帮助说明-["));
  return texts;
}

std::string FetchBulletin(Program& program) {
  std::string headers;
  std::string page = FetchPage(program.sources.onlineBulletin, &headers);
  page = UsableBody(std::move(page), headers);
  if (!page.empty() && !program.bulletinTextsRead) {
    BulletinTexts texts = ReadBulletinTexts(page);
    program.app.HelpTexts = std::move(texts.helpTexts);
    ApplyVersionTexts(program.app, std::move(texts));
    program.bulletinTextsRead = true;
  }
  return ParseHttpDate(program.app.Clock, HeaderDateText(headers));
}

void CheckForUpdate(Program& program) {
  const std::string page = PlainHttpRead(program.sources.onlineBulletin);
  BulletinTexts texts = ReadBulletinTexts(page);
  if (texts.latestVersion.empty()) {
    // An unreadable page is no news of a version: offering the download here would end
    // the program for nothing.
    program.platform.ShowMessage("无法获取最新版本信息，请稍后再试！", "提示", MessageButtons::Ok);
    return;
  }
  ApplyVersionTexts(program.app, std::move(texts));
  const AppState& app = program.app;
  if (!EqualsIgnoreCase(app.LatestVersion, app.ProgramVersion)) {
    const std::string text = "最新版本：" + app.LatestVersion + "\r\n\r\n" + NotesText(app.UpdateNotes);
    if (program.platform.ShowMessage(text, "是否更新", MessageButtons::YesNo) == MessageAnswer::Yes) {
      program.ui().Window("MainWindow").Get<TrayIconModel>("托盘图标").Remove();
      program.platform.OpenWebAddress(app.DownloadUrl);
      program.platform.EndProgram();
    }
  } else {
    program.platform.ShowMessage("已是最新版本，无需更新！\r\n\r\n" + NotesText(app.UpdateNotes), "提示", MessageButtons::Ok);
  }
}

void SetUpUpdateCheck(Program& program) {
  program.ui().Window("MainWindow").OnMenu("检查更新", [&program] { CheckForUpdate(program); });
}

}  // namespace pk
