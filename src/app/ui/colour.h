#pragma once
// Colours as the windows store them: Windows colour values, r + 256*g + 65536*b.
// A cell or item without a colour of its own has no value at all (std::nullopt),
// which is never confused with black (0).
#include <optional>

namespace pk {

using Colour = int;
using MaybeColour = std::optional<Colour>;

constexpr Colour Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

constexpr Colour kBlack = 0;
constexpr Colour kRed = 255;
constexpr Colour kOrange = 33023;
constexpr Colour kGreen = 65280;
constexpr Colour kYellow = 65535;
constexpr Colour kBlue = 16711680;
constexpr Colour kWhite = 16777215;
constexpr Colour kMissPink = Rgb(255, 128, 192);   // a missed kill or plan
constexpr Colour kAllHitGreen = Rgb(0, 224, 128);  // "全对"
constexpr Colour kJudgedGrey = Rgb(236, 236, 236);

enum class Align { Left, Centre, Right };

}  // namespace pk
