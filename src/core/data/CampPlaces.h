#pragma once
// The seven places a camp can stand, by the game's hash of their region's name: the one list
// the camp's locations, the still's wagon places and the rival camps are keyed by. Both
// plug-ins read it; the save stores these numbers as they are.
#include <cstdint>

namespace corvale::camp_places {

inline constexpr int32_t kTallTrees = 1684533001;
inline constexpr int32_t kBayouNwa = 2025841068;
inline constexpr int32_t kChollaSprings = -108848014;
inline constexpr int32_t kGrizzlies = 1645618177;
inline constexpr int32_t kHeartlands = 131399519;
inline constexpr int32_t kBigValley = 822658194;
inline constexpr int32_t kGaptoothRidge = -2066240242;

} // namespace corvale::camp_places
