#pragma once
// The log window "日志记录" on screen: the list wide enough for all its columns, the count
// and the export button below it.
namespace pk {

class WindowView;

void ConnectLogWindow(WindowView& view);

}  // namespace pk
