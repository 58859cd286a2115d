#pragma once
// The about window on screen: the program icon beside its labels, the close button
// below them on the right.
namespace pk {

class WindowView;

void LayOutAboutWindow(WindowView& view);

}  // namespace pk
