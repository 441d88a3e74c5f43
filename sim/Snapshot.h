#pragma once
// A picture of one frame's screen as SVG, in the game's 16:9 proportions: sprites as
// outlined boxes labelled with their texture, texts at their positions in their colour
// and size.
#include "world/Screen.h"

#include <string>

namespace sim {

inline constexpr int kSnapshotWidth = 1280;
inline constexpr int kSnapshotHeight = 720;

std::string ScreenSvg(const Screen& screen);
// Writes ScreenSvg to path; false when it cannot be written.
bool WriteSnapshot(const std::string& path, const Screen& screen);

} // namespace sim
