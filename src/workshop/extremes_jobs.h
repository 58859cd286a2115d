#pragma once
// The computation jobs of the extremes workshop: one per extremes table, each on its own
// thread under DrawLock, and the finish step the last of them runs.
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

namespace pk {

class ExtremesWorkshop;
class UiWindow;

// The job tables of the ticked kind boxes, in table order ("杀一码" gives two).
struct ExtremesKind {
  const char* checkBox;
  const char* caption;
  std::vector<std::string> tables;
};
const std::vector<ExtremesKind>& ExtremesKinds();

// One job of the computation started as `run`: waits for DrawLock on its own thread, reads
// the snapshot when the workshop has none yet, computes the table, writes the raised
// extremes and their result rows, and runs the finish step when it is the last. A stop
// request ends it at its next unit of work with nothing half-written and no finish; the
// controls go back to idle unless a later computation has started.
void RunExtremesJob(ExtremesWorkshop& workshop, int jobId, uint64_t run, std::string table, std::stop_token stop);

// The computation's controls in their idle state, with `status` in 透明标签2.
void ShowComputationIdle(UiWindow& window, const std::string& status);

// The key column of an extremes table.
std::string ExtremesKeyColumn(const std::string& table);

}  // namespace pk
