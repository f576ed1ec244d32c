// The tips and tricks shown on the main window's panel, one at a time,
// moving on every five seconds. No windows.h.
#pragma once

#include <string>
#include <vector>

inline constexpr unsigned kTipRotationSeconds = 5;

// The program-wide tip list (filled once by LoadTips) and the index of the
// tip shown now, always less than the number of tips.
extern std::vector<std::string> g_tips;
extern unsigned g_currentTip;

// Appends the ten tips, in their fixed order.
void LoadTips(std::vector<std::string>& tips);
// The index after `index` in a list of `count` tips: the next one, or the
// first after the last.
unsigned NextTipIndex(unsigned index, unsigned count);
