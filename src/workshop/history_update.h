#pragma once
// The history update: appends to the staging table every draw published since its last
// stored period, fetched day by day through the companion library.
#include <cstdint>
#include <stop_token>

namespace pk {

class ExtremesWorkshop;

// How many days before the newest day with draws are fetched again for `total` missing
// periods plus one.
int64_t UpdateDaysFor(int64_t updateTotal);

// The job of the update started as `run` (worker thread): waits for DrawLock, reads the last
// stored period and appends what follows it. Every insert of one run goes in one
// transaction; a stop request or a failure leaves the table as it was or extended by a
// consecutive run of the new periods (a stop keeps the draws inserted before it). A stopped
// job puts the update's labels back to idle unless a later update has started.
void RunHistoryUpdate(ExtremesWorkshop& workshop, uint64_t run, std::stop_token stop);

}  // namespace pk
