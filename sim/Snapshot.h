#pragma once
// A picture of what the player sees at the end of a frame, as SVG in the game's 16:9
// proportions: the frame's sprites (outlined boxes labelled with their texture) and texts
// at their positions in their colour and size, then what the game itself draws over them
// while it lasts: the help text box, the toast, the message, the cash and transaction feed,
// and the prompts on screen (the group's title, each prompt with its control, a greyed one
// dimmed).
#include "World.h"

#include <string>

namespace sim {

inline constexpr int kSnapshotWidth = 1280;
inline constexpr int kSnapshotHeight = 720;
// How long the game shows a printed message.
inline constexpr int32_t kMessageShownMs = 5000;

std::string ScreenSvg(const World& world);
// Writes ScreenSvg to path; false when it cannot be written.
bool WriteSnapshot(const std::string& path, const World& world);

} // namespace sim
