#include "acquire/help_window.h"

#include <algorithm>

#include "acquire/online_bulletin.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/page_fetcher.h"
#include "base/text.h"

namespace pk {

namespace {

UiWindow& Help(Program& program) { return program.ui().Window(kHelpWindow); }

// Title and body of a topic; a topic without "|" has an empty body.
std::vector<std::string> TopicParts(const std::string& topic) {
  std::vector<std::string> parts = Split(topic, "|");
  parts.resize(std::max<size_t>(parts.size(), 2));
  return parts;
}

}  // namespace

UiWindow& CreateHelpWindow(UiRegistry& registry) {
  UiWindow& window = registry.AddWindow(kHelpWindow, "帮助");
  window.Add<TreeModel>(kHelpTree, "left");
  window.Add<RichEditModel>(kHelpText, "right").SetText(kHelpStartText);
  window.Add<TooltipModel>(kHelpHint);
  window.AddMenu({kHelpMenu, {kHelpRefreshItem}});
  return window;
}

void SetUpHelpWindow(Program& program) {
  UiWindow& window = CreateHelpWindow(program.ui());
  window.Get<TreeModel>(kHelpTree).OnSelect([&program](int item) { SelectHelpTopic(program, item); });
  window.OnMenu(kHelpRefreshItem, [&program] { RefreshHelp(program); });
  program.ui().Window(kMainWindow).OnMenu("使用帮助", [&program] { ShowHelpWindow(program); });
}

void ShowHelpWindow(Program& program) {
  UiWindow& window = Help(program);
  if (window.Model().Visible()) {
    window.Model().BringToFront();
    return;
  }
  window.Get<TreeModel>(kHelpTree).Clear();
  window.Get<RichEditModel>(kHelpText).SetText(kHelpStartText);
  window.Get<TooltipModel>(kHelpHint).SetHint(kHelpTree, "");
  FillHelpTopics(program);
  window.Model().Show(false);
}

void FillHelpTopics(Program& program) {
  TreeModel& tree = Help(program).Get<TreeModel>(kHelpTree);
  for (const std::string& topic : program.app.HelpTexts) tree.AddItem(TopicParts(topic)[0]);
}

void SelectHelpTopic(Program& program, int item) {
  UiWindow& window = Help(program);
  TreeModel& tree = window.Get<TreeModel>(kHelpTree);
  window.Get<TooltipModel>(kHelpHint).SetHint(kHelpTree, tree.ItemText(item));
  const std::vector<std::string>& topics = program.app.HelpTexts;
  const std::string body = item >= 0 && item < static_cast<int>(topics.size()) ? TopicParts(topics[item])[1] : "";
  window.Get<RichEditModel>(kHelpText).SetText(body);
}

void ClickHelpText(Program& program) {
  UiWindow& window = Help(program);
  const TreeModel& tree = window.Get<TreeModel>(kHelpTree);
  if (tree.ItemText(tree.SelectedItem()) == "视频教程")
    program.platform.OpenWebAddress(window.Get<RichEditModel>(kHelpText).Text());
}

bool HelpRefreshOffered(Program& program) { return Help(program).Get<TreeModel>(kHelpTree).Items().empty(); }

void RefreshHelp(Program& program) {
  if (!HelpRefreshOffered(program)) return;  // the item is hidden while topics are shown
  const std::string page = PlainHttpRead(program.sources.onlineBulletin);
  if (page.empty()) return;  // an unreadable page keeps what was read before
  BulletinTexts texts = ReadBulletinTexts(page);
  AppState& app = program.app;
  app.LatestVersion = std::move(texts.latestVersion);
  app.DownloadUrl = std::move(texts.downloadUrl);
  app.UpdateNotes = std::move(texts.updateNotes);
  app.Tips = std::move(texts.tips);
  app.HelpTexts = std::move(texts.helpTexts);
  FillHelpTopics(program);
}

}  // namespace pk
