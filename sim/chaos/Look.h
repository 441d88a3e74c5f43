#pragma once
// What the chaos player reads off the world before each step, and how he writes numbers
// into a step.
#include "World.h"

#include <string>

namespace sim::chaos {

// A number as a step writes it: two decimals.
std::string Num(double v);
std::string Hex(uint32_t v);
// The entity of a model nearest to a point, or nullptr.
const Entity* Nearest(const World& w, const char* model, const Vec3& from, bool living = true);
// Where the player's ped stands.
Vec3 PlayerAt(const World& w);
// The first blip of that name on his map, or nullptr; and where it points.
const Blip* BlipNamed(const World& w, const char* name);
Vec3 BlipAt(const World& w, const Blip& b);
// The text was drawn in the last frame.
bool Drawn(const World& w, const char* text);
// The still's menu was on his screen in the last frame: its ink-roller backdrop was drawn.
bool StillMenuOpen(const World& w);

} // namespace sim::chaos
