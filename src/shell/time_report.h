#pragma once
// The practice-time report shown when the main menu closes.
#include <cstdint>
#include <string>

// "The practice time is H h M m S s, total practice time is H h M m S s."
std::string PracticeTimeReport(int64_t runMs, int64_t totalMs);
