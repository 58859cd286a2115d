#include "pk10sim/sim_server.h"

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "base/numbers.h"
#include "pk10sim/failure_answers.h"
#include "pk10sim/pages.h"
#include "pk10sim/sim_clock.h"

namespace pk::sim {

namespace {

constexpr const char* kHost = "127.0.0.1";
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kJson = "application/json; charset=utf-8";
constexpr const char* kText = "text/plain; charset=utf-8";

std::string Param(const httplib::Request& request, const char* key) {
  return request.has_param(key) ? request.get_param_value(key) : std::string();
}

}  // namespace

struct SimServer::Impl {
  // Builds the page for a request; `skip` asks the JSON service to run one period ahead.
  using Builder = std::function<std::string(const httplib::Request&, bool skip)>;

  explicit Impl(SimOptions opts)
      : options(std::move(opts)),
        draws(options.seed),
        clock(options.start.value_or(ComputerTimeUtc8()), options.speed) {}

  SimOptions options;
  DrawStream draws;
  SimClock clock;
  FailureSwitches failures;
  httplib::Server server;
  std::thread listener;
  int port = 0;
  bool started = false;

  std::mutex stopMutex;
  std::condition_variable stopSignal;
  bool stopping = false;
  std::atomic<int64_t> hangLimitMs{60000};

  std::string Base() const { return std::string("http://") + kHost + ":" + std::to_string(port); }
  int64_t Newest() const { return DrawStream::NewestAt(clock.Now()); }

  void Serve(const std::string& pattern, std::string contentType, Builder build) {
    server.Get(pattern, [this, contentType, build](const httplib::Request& request, httplib::Response& response) {
      Answer(request, response, contentType, build);
    });
  }

  void Answer(const httplib::Request& request, httplib::Response& response, const std::string& contentType,
              const Builder& build) {
    switch (const FailMode mode = failures.For(request.path)) {
      case FailMode::Refuse:
        DropConnection(request);
        return;
      case FailMode::Hang:
        Hang();
        DropConnection(request);
        return;
      case FailMode::Error500:
        ErrorAnswer(response);
        return;
      case FailMode::Garbage:
        GarbageAnswer(response, options.seed, contentType);
        return;
      case FailMode::Truncate:
        TruncatedAnswer(response, build(request, false), contentType);
        return;
      case FailMode::Huge:
        HugeAnswer(response, build(request, false), contentType);
        return;
      case FailMode::None:
      case FailMode::Skip:
        response.set_content(build(request, mode == FailMode::Skip), contentType);
        return;
    }
  }

  // Waits for the hang limit, or less when the server stops meanwhile.
  void Hang() {
    std::unique_lock lock(stopMutex);
    stopSignal.wait_for(lock, std::chrono::milliseconds(hangLimitMs.load()), [this] { return stopping; });
  }

  void SetUpSources() {
    Serve("/pk10/ajax", kJson, [this](const httplib::Request&, bool skip) {
      return JsonServicePage(draws, Newest() + (skip ? 1 : 0));
    });
    Serve(R"(/bulletin/trax\.html)", kHtml, [this](const httplib::Request& request, bool) {
      const std::string page = Param(request, "page");
      return BulletinPage(draws, Newest(), page.empty() ? 1 : static_cast<int>(TextToNumber(page)));
    });
    Serve("/pk10/kaijiang/?", kHtml, [this](const httplib::Request&, bool) { return DrawPage(draws, Newest()); });
    Serve("/lottery/draw/list/557", kHtml, [this](const httplib::Request& request, bool) {
      const std::optional<DateTime> day = ParseDateTimeText(Param(request, "d"));
      // A date that is no date has no draws, like a day still to come.
      return DrawListPage(draws, day.value_or(DateTime{clock.Now().seconds + 86400 * 2}), day ? Newest() : 0);
    });
    Serve("//?ajax/shahao/PK10/100/n1", kJson, [this](const httplib::Request&, bool) {
      return KillFeedPage(draws, Newest());
    });
    Serve("/special/time/?", kHtml, [this](const httplib::Request&, bool) { return WebTimePage(clock.Now()); });
    Serve(R"(/pkcalc/notice\.html)", kHtml, [this](const httplib::Request&, bool) {
      return NoticePage({options.version, Base() + "/pkcalc/download.html", Base() + "/pkcalc/video.html"});
    });
    Serve(R"(/pkcalc/(download|video)\.html)", kHtml,
          [this](const httplib::Request&, bool) { return DownloadPage(options.version); });
  }

  void SetUpControls() {
    server.Get("/control/clock", [this](const httplib::Request& request, httplib::Response& response) {
      DateTime now = clock.Now();
      double speed = clock.Speed();
      if (const std::string time = Param(request, "time"); !time.empty()) {
        const std::optional<DateTime> parsed = ParseDateTimeText(time);
        if (!parsed) return BadRequest(response, "time must read YYYY-MM-DD HH:MM:SS");
        now = *parsed;
      }
      if (const std::string text = Param(request, "speed"); !text.empty()) {
        char* end = nullptr;
        speed = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0' || !(speed >= 0)) return BadRequest(response, "speed must be a number >= 0");
      }
      clock.Set(now, speed);
      response.set_content(Status(), kJson);
    });
    server.Get("/control/fail", [this](const httplib::Request& request, httplib::Response& response) {
      const std::optional<FailMode> mode = ParseFailMode(Param(request, "mode"));
      if (!mode) return BadRequest(response, "mode must be none|refuse|hang|error500|truncate|garbage|huge|skip");
      const std::string path = Param(request, "path");
      if (path.empty() && *mode != FailMode::None) return BadRequest(response, "path is missing");
      if (path.empty()) {
        failures.Clear();
      } else {
        failures.Set(path, *mode);
      }
      response.set_content(Status(), kJson);
    });
    server.Get("/control/status", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(Status(), kJson);
    });
    server.Get("/control/hang", [this](const httplib::Request& request, httplib::Response& response) {
      const std::string text = Param(request, "ms");
      if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return BadRequest(response, "ms must be a whole number of milliseconds");
      hangLimitMs = std::stoll(text);
      response.set_content(Status(), kJson);
    });
    // The draw stream itself, for checking what a client followed: one line per period,
    // "PERIOD N1,N2,...,N10" (cars in finishing order), at most 20000 lines.
    server.Get("/control/draws", [this](const httplib::Request& request, httplib::Response& response) {
      const std::string from = Param(request, "from"), to = Param(request, "to");
      const auto digits = [](const std::string& t) {
        return !t.empty() && t.size() <= 12 && t.find_first_not_of("0123456789") == std::string::npos;
      };
      if (!digits(from) || !digits(to)) return BadRequest(response, "from and to must be periods");
      const int64_t first = std::stoll(from), last = std::stoll(to);
      if (last < first || last - first >= 20000) return BadRequest(response, "from..to must hold 1 to 20000 periods");
      std::string text;
      for (int64_t period = first; period <= last; ++period) {
        const Draw draw = draws.At(period);
        text += std::to_string(period);
        for (int p = 0; p < 10; ++p) text += (p == 0 ? " " : ",") + std::to_string(draw.numbers[p]);
        text += "\n";
      }
      response.set_content(text, kText);
    });
  }

  static void BadRequest(httplib::Response& response, const std::string& reason) {
    response.status = 400;
    response.set_content(reason + "\n", kText);
  }

  std::string Status() const {
    std::string failing;
    for (const auto& [path, mode] : failures.All()) {
      failing += (failing.empty() ? "" : ",") + std::string("\"") + path + "\":\"" + std::string(FailModeName(mode)) + "\"";
    }
    char speed[32];
    std::snprintf(speed, sizeof speed, "%g", clock.Speed());
    return "{\"time\":\"" + DateTimeText(clock.Now()) + "\",\"speed\":" + speed + ",\"newestPeriod\":" +
           std::to_string(Newest()) + ",\"seed\":" + std::to_string(options.seed) +
           ",\"hangLimitMs\":" + std::to_string(hangLimitMs.load()) + ",\"failures\":{" + failing + "}}\n";
  }
};

SimServer::SimServer(SimOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {
  httplib::Server& server = impl_->server;
  // Hanging answers hold a thread each; keep enough for the others.
  server.new_task_queue = [] { return new httplib::ThreadPool(32); };
  server.set_keep_alive_timeout(1);
  server.set_post_routing_handler([impl = impl_.get()](const httplib::Request&, httplib::Response& response) {
    response.set_header("Date", HttpDateText(impl->clock.Now()));
  });
  impl_->SetUpSources();
  impl_->SetUpControls();
}

SimServer::~SimServer() { Stop(); }

void SimServer::Start() {
  if (impl_->started) return;
  {
    std::lock_guard lock(impl_->stopMutex);
    impl_->stopping = false;
  }
  httplib::Server& server = impl_->server;
  if (impl_->options.port == 0) {
    impl_->port = server.bind_to_any_port(kHost);
    if (impl_->port <= 0) throw std::runtime_error("pk10sim: no free loopback port");
  } else {
    if (!server.bind_to_port(kHost, impl_->options.port)) {
      throw std::runtime_error("pk10sim: cannot listen on " + std::string(kHost) + ":" + std::to_string(impl_->options.port));
    }
    impl_->port = impl_->options.port;
  }
  impl_->started = true;
  impl_->listener = std::thread([&server] { server.listen_after_bind(); });
}

void SimServer::Stop() {
  if (!impl_->started) return;
  {
    std::lock_guard lock(impl_->stopMutex);
    impl_->stopping = true;
  }
  impl_->stopSignal.notify_all();
  impl_->server.stop();
  if (impl_->listener.joinable()) impl_->listener.join();
  impl_->started = false;
}

int SimServer::Port() const { return impl_->port; }
std::string SimServer::BaseAddress() const { return impl_->Base(); }
DateTime SimServer::Now() const { return impl_->clock.Now(); }
void SimServer::SetClock(DateTime now, double speed) { impl_->clock.Set(now, speed); }
int64_t SimServer::NewestPeriod() const { return impl_->Newest(); }
const DrawStream& SimServer::Draws() const { return impl_->draws; }
void SimServer::SetFailure(const std::string& path, FailMode mode) { impl_->failures.Set(path, mode); }
void SimServer::ClearFailures() { impl_->failures.Clear(); }
void SimServer::SetHangLimit(std::chrono::milliseconds limit) { impl_->hangLimitMs = limit.count(); }

}  // namespace pk::sim
