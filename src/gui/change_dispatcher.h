#pragma once
// Carries the models' change notifications to the GUI thread. The registry's listener
// runs on whatever thread changed a control; it only notes (window, control) and, when
// nothing was waiting yet, posts one flush to the GUI thread. Notes of the same control
// made before the flush runs are one note, so a burst of thousands of cell writes from
// a worker costs one refresh. The listener never waits for the GUI.
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "app/ui/ui_registry.h"

namespace pk {

class ChangeDispatcher {
 public:
  // Called on the GUI thread for each changed control ("" for a window's own state),
  // in the order of their first notification.
  using Sink = std::function<void(const std::string& window, const std::string& control)>;

  // Installs the registry's listener; construct on the GUI thread.
  ChangeDispatcher(UiRegistry& registry, Sink sink);
  // Removes the listener; notifications still in flight are dropped.
  ~ChangeDispatcher();
  ChangeDispatcher(const ChangeDispatcher&) = delete;
  ChangeDispatcher& operator=(const ChangeDispatcher&) = delete;

  // True while some change waits for its refresh.
  bool Pending() const;
  // Refreshes everything waiting now (GUI thread).
  void Flush();

 private:
  struct Queue;

  UiRegistry& registry_;
  Sink sink_;
  std::shared_ptr<Queue> queue_;
  std::unique_ptr<QObject> receiver_;
};

}  // namespace pk
