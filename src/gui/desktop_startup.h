#pragma once
// What the desktop program does before its windows appear.
namespace pk {

struct Program;

// Gives the application a font with Chinese glyphs: WenQuanYi Zen Hei where it is
// installed (the offscreen platform finds no CJK font by itself).
void UseChineseFont();

// The start-up steps the window needs: the program version in the title and the cars
// 1 to 10 in the animation box.
void PrepareMainWindow(Program& program);

}  // namespace pk
