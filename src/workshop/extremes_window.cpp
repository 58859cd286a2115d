#include "workshop/extremes_window.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "app/platform.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/gbk.h"
#include "base/numbers.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/staging_file.h"
#include "store/statements.h"
#include "store/store_reads.h"
#include "workshop/extremes_jobs.h"
#include "workshop/history_update.h"

namespace pk {

namespace {

constexpr char kIdleHint[] = "选择组合点击开始演算!在完成之前请勿中断演算!";
constexpr char kAnimationBase[] = "正在演算极限值";

ButtonModel& Button(UiWindow& window, const char* name) { return window.Get<ButtonModel>(name); }
LabelModel& Label(UiWindow& window, const char* name) { return window.Get<LabelModel>(name); }
TimerModel& Timer(UiWindow& window, const char* name) { return window.Get<TimerModel>(name); }

// A percentage with at most two decimals and no trailing zeros ("37.52", "37.5", "100").
std::string PercentText(double x) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", x);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

UiWindow& CreateExtremesWindow(UiRegistry& registry) {
  UiWindow& window = registry.AddWindow(kExtremesWindow, "演算极限");
  // The history update box.
  window.Add<LabelModel>("透明标签_更新", "演算极限前，请先更新数据库！");
  window.Add<ButtonModel>("按钮_演算极限更新", ControlKind::Button, "更新");
  window.Add<ProgressBarModel>("进度条_更新数据");
  window.Add<TimerModel>("时钟_更新数据库");
  // The computation box.
  for (const ExtremesKind& kind : ExtremesKinds())
    window.Add<ButtonModel>(kind.checkBox, ControlKind::CheckBox, kind.caption);
  window.Add<ButtonModel>("选择框_完成后关机", ControlKind::CheckBox, "完成后关机");
  window.Add<ButtonModel>("按钮_开始演算", ControlKind::Button, "开始演算");
  window.Add<LabelModel>("透明标签1", kIdleHint);
  window.Add<LabelModel>("透明标签2", "等待开始");
  window.Add<LabelModel>("透明标签3", "");
  window.Add<ProgressBarModel>("进度条2");
  window.Add<TimerModel>("时钟1");
  window.Add<TimerModel>("时钟_进度");
  window.Add<ReportListModel>("超级列表框1", std::vector<ListColumn>{{"号码组合", 80, Align::Left},
                                                                   {"原极限", 48, Align::Left},
                                                                   {"现极限", 48, Align::Left},
                                                                   {"已更新", 48, Align::Left},
                                                                   {"备注", 157, Align::Left},
                                                                   {"数据表名", 0, Align::Left},
                                                                   {"数据列名", 0, Align::Left},
                                                                   {"组合文本", 0, Align::Left}});
  window.AddMenu({"更新", {"手动更新"}});
  return window;
}

std::unique_ptr<ExtremesWorkshop> SetUpExtremesWindow(Program& program) {
  auto workshop = std::make_unique<ExtremesWorkshop>(program);
  program.ui().Window(kMainWindow).OnMenu("演算极限", [&program] { program.extremesWorkshop().Open(); });
  return workshop;
}

ExtremesWorkshop::ExtremesWorkshop(Program& program)
    : program_(program),
      window_(program.ui().HasWindow(kExtremesWindow) ? program.ui().Window(kExtremesWindow)
                                                       : CreateExtremesWindow(program.ui())) {
  Button(window_, "按钮_开始演算").OnClick([this] { StartComputation(); });
  Button(window_, "按钮_演算极限更新").OnClick([this] { StartHistoryUpdate(); });
  window_.OnMenu("手动更新", [this] { ManualUpdate(); });
  Timer(window_, "时钟1").OnTick([this] { TickAnimation(); });
  Timer(window_, "时钟_进度").OnTick([this] { TickProgress(); });
  Timer(window_, "时钟_更新数据库").OnTick([this] { TickUpdateProgress(); });
  window_.Model().OnCloseRequest([this] { return CloseRequested(); });
}

ExtremesWorkshop::~ExtremesWorkshop() {
  StopJobs();
  WaitForJobs();
  // The handlers point at this object.
  Button(window_, "按钮_开始演算").OnClick({});
  Button(window_, "按钮_演算极限更新").OnClick({});
  window_.OnMenu("手动更新", {});
  Timer(window_, "时钟1").OnTick({});
  Timer(window_, "时钟_进度").OnTick({});
  Timer(window_, "时钟_更新数据库").OnTick({});
  window_.Model().OnCloseRequest({});
}

bool ExtremesWorkshop::Open() {
  if (program_.app.AutoMode.load() != 0) {
    program_.platform.ShowMessage("请先停止自动！", "", MessageButtons::Ok);
    return false;
  }
  EnsureStagingFile(program_.home);
  if (!staging_) staging_ = DrawStore::OpenStaging(program_.home, &program_.statements());
  if (!extremes_) extremes_ = DrawStore::OpenExtremes(program_.home, &program_.statements());
  window_.Model().Show(true);
  return true;
}

void ExtremesWorkshop::Launch(std::function<void(std::stop_token)> job) {
  std::lock_guard lock(jobsMutex_);
  std::erase_if(jobs_, [](Job& done) {
    if (!done.ended->load()) return false;
    done.thread.join();  // it has returned: no wait
    return true;
  });
  auto ended = std::make_shared<std::atomic<bool>>(false);
  jobs_.push_back({ended, std::jthread([ended, job = std::move(job)](std::stop_token stop) {
                     job(stop);
                     ended->store(true);
                     ended->notify_all();
                   })});
}

void ExtremesWorkshop::StartComputation() {
  std::vector<std::string> tables;
  for (const ExtremesKind& kind : ExtremesKinds())
    if (Button(window_, kind.checkBox).Checked()) tables.insert(tables.end(), kind.tables.begin(), kind.tables.end());
  if (tables.empty()) {
    program_.platform.ShowMessage("请选选择组合！", "", MessageButtons::Ok);
    return;
  }
  if (!staging_ || !extremes_) return;  // the window was never opened
  ButtonModel& start = Button(window_, "按钮_开始演算");
  start.SetCaption("演算中..");
  start.SetEnabled(false);
  Label(window_, "透明标签1").SetText(kAnimationBase);
  Timer(window_, "时钟1").SetPeriod(600);
  // The jobs start at once and wait for DrawLock on their own threads, behind a running
  // history update or the main window's work.
  const uint64_t run = ++state_.computationRun;
  {
    std::lock_guard lock(state_.jobsMutex);
    state_.pendingJobs.clear();
    for (size_t id = 0; id < tables.size(); ++id) state_.pendingJobs.push_back(static_cast<int>(id));
  }
  state_.nothingToCompute = false;
  state_.tableUnread = false;
  for (size_t id = 0; id < tables.size(); ++id) {
    Launch([this, id, run, table = tables[id]](std::stop_token stop) {
      RunExtremesJob(*this, static_cast<int>(id), run, table, stop);
    });
  }
}

void ExtremesWorkshop::StartHistoryUpdate() {
  if (!staging_) return;  // the window was never opened
  Label(window_, "透明标签_更新").SetText("正在获取数据...");
  // The job reads the last stored period itself once it holds DrawLock, after any update or
  // trim before it.
  const uint64_t run = ++state_.updateRun;
  Launch([this, run](std::stop_token stop) { RunHistoryUpdate(*this, run, stop); });
}

void ExtremesWorkshop::ManualUpdate() {
  if (!extremes_) return;
  ReportListModel& list = window_.Get<ReportListModel>("超级列表框1");
  const int row = list.SelectedItem();
  if (row < 0 || row >= list.ItemCount()) return;
  const std::string table = list.ItemText(row, 5);
  const StatementResult result = extremes_->Run(UpdateExtreme(table, list.ItemText(row, 6), ExtremesKeyColumn(table),
                                                              list.ItemText(row, 7), list.ItemText(row, 2)));
  if (result == StatementResult::Succeeded) list.SetItemText(row, 3, "是");
}

bool ExtremesWorkshop::CloseRequested() {
  if (Button(window_, "按钮_开始演算").Caption() != "开始演算") {
    if (program_.platform.ShowMessage("软件正在演算数据，确定要强制退出吗？", "", MessageButtons::YesNo) !=
        MessageAnswer::Yes)
      return false;
    StopJobs();
    // The window opens idle again; the stopped jobs write nothing more.
    ShowComputationIdle(window_, "等待开始");
  }
  window_.Model().SetVisible(false);
  return true;
}

void ExtremesWorkshop::StopJobs() {
  std::lock_guard lock(jobsMutex_);
  for (auto it = jobs_.rbegin(); it != jobs_.rend(); ++it) it->thread.request_stop();
}

void ExtremesWorkshop::WaitForJobs() {
  // The jobs stay listed while they run, so that StopJobs still reaches them meanwhile.
  for (;;) {
    std::shared_ptr<std::atomic<bool>> running;
    {
      std::lock_guard lock(jobsMutex_);
      for (const Job& job : jobs_)
        if (!job.ended->load()) running = job.ended;
    }
    if (!running) break;
    running->wait(false);
  }
  std::lock_guard lock(jobsMutex_);
  for (Job& job : jobs_) job.thread.join();
  jobs_.clear();
}

void ExtremesWorkshop::TickAnimation() {
  LabelModel& label = Label(window_, "透明标签1");
  std::string text = label.Text() + ".";
  if (GbkLength(text) > 20) text = kAnimationBase;
  label.SetText(text);
}

void ExtremesWorkshop::TickProgress() {
  const double total = state_.progressTotal.load();
  const double counter = state_.progressCounter.load();
  // An empty total reads as no progress rather than a division by zero.
  const double q = total > 0 ? std::round(counter / total * 10000) / 10000 : 0;
  const double x = q * 100;
  window_.Get<ProgressBarModel>("进度条2").SetValue(static_cast<int>(x + 1e-9));
  Label(window_, "透明标签3").SetText(PercentText(x) + "%");
}

void ExtremesWorkshop::TickUpdateProgress() {
  const int64_t total = state_.updateTotal.load();
  const int64_t position = total > 0 ? state_.updateCount.load() * 100 / total : 0;
  if (position == 100) {
    Timer(window_, "时钟_更新数据库").SetPeriod(0);
    Label(window_, "透明标签_更新").SetText("已获取完毕！");
    window_.Get<ProgressBarModel>("进度条_更新数据").SetValue(0);
    return;
  }
  window_.Get<ProgressBarModel>("进度条_更新数据").SetValue(static_cast<int>(position));
}

}  // namespace pk
