#include "gui/change_dispatcher.h"

#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace pk {

using ControlKey = std::pair<std::string, std::string>;

struct ChangeDispatcher::Queue {
  std::mutex mutex;
  std::set<ControlKey> waiting;
  std::vector<ControlKey> order;
  // Where the flush is posted; null once the dispatcher is gone.
  ChangeDispatcher* owner = nullptr;
  bool posted = false;
};

ChangeDispatcher::ChangeDispatcher(UiRegistry& registry, Sink sink)
    : registry_(registry), sink_(std::move(sink)), queue_(std::make_shared<Queue>()), receiver_(std::make_unique<QObject>()) {
  queue_->owner = this;
  registry_.SetChangeListener([queue = queue_](const std::string& window, const std::string& control) {
    std::lock_guard lock(queue->mutex);
    if (!queue->owner) return;
    if (queue->waiting.insert({window, control}).second) queue->order.push_back({window, control});
    if (queue->posted) return;
    queue->posted = true;
    ChangeDispatcher* owner = queue->owner;
    QMetaObject::invokeMethod(owner->receiver_.get(), [owner] { owner->Flush(); }, Qt::QueuedConnection);
  });
}

ChangeDispatcher::~ChangeDispatcher() {
  registry_.SetChangeListener({});
  std::lock_guard lock(queue_->mutex);
  queue_->owner = nullptr;
}

bool ChangeDispatcher::Pending() const {
  std::lock_guard lock(queue_->mutex);
  return !queue_->order.empty();
}

void ChangeDispatcher::Flush() {
  std::vector<ControlKey> order;
  {
    std::lock_guard lock(queue_->mutex);
    order.swap(queue_->order);
    queue_->waiting.clear();
    queue_->posted = false;
  }
  for (const auto& [window, control] : order) sink_(window, control);
}

}  // namespace pk
