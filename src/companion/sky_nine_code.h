#pragma once
// The sky nine-code computation: nine fixed kill rules over the newest draws. Each rule
// recognises one shape of repetition at a position (a number staying put, alternating,
// counting up or down, moving diagonally) and kills the digit that would continue it.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pk {

// The ten numbers of one draw as they were written, position 1 first.
using SkyDrawNumbers = std::array<std::string, 10>;

// Cuts a draws text (11 words per draw separated by single blanks: the period, then
// the numbers at positions 1..10) into rows, oldest first; an incomplete tail is dropped.
std::vector<SkyDrawNumbers> SkyDrawRows(std::string_view draws);

// The kill digit of one rule (1..9) for each output slot, empty where the rule has no
// kill. Slot count 10 gives ten slots, any other value one. A rule that would look
// further back than the history reaches gives no kill there.
std::vector<std::string> SkyRuleKills(int rule, const std::vector<SkyDrawNumbers>& rows, int slotCount, int offset);

// The kills of all nine rules as one text, rule by rule and slot by slot, each written
// "第<slot>名杀 <digit>|", for example "第1名杀 3|第1名杀 8|". Empty without a kill and
// for fewer than two draws. `offset` raises the thresholds of rules 1, 5, 6 and 7.
std::string SkyNineCode(std::string_view draws, int slotCount, int offset);

}  // namespace pk
