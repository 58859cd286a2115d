#pragma once
// The program's pictures, drawn in code: the ten car pictures of the animation box, the
// ten champion icons of the tray and the program icon. Cars wear the traditional colours
// of the race: 1 yellow, 2 blue, 3 black, 4 orange, 5 cyan, 6 violet, 7 light grey,
// 8 red, 9 maroon, 10 green.
#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace pk {

// Size of a car picture; the animation box places them 29 pixels apart.
constexpr int kCarPictureWidth = 27;
constexpr int kCarPictureHeight = 24;

// car 1..10; any other number gets the colour of car 1.
QColor CarColour(int car);
// A small car seen from the side with its number on the body; transparent around it.
QPixmap CarPicture(int car);
// A rounded square in the car's colour with its number, legible at 16×16.
QIcon ChampionIcon(int car);
QIcon ProgramIcon();

}  // namespace pk
