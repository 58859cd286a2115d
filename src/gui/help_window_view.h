#pragma once
// The help window "帮助" on screen: the topic tree beside the topic text, a left click on
// the text for the topic that holds a web address, and the menu "操作" as the right-button
// menu of the tree and the text, offering "刷新" only while there is nothing to show.
namespace pk {

class WindowView;
struct Program;

void ConnectHelpWindow(WindowView& view, Program& program);

}  // namespace pk
