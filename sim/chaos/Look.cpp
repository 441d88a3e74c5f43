#include "chaos/Look.h"

#include "Hash.h"
#include "world/Geometry.h"

#include <cstdio>

namespace sim::chaos {

std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", v);
    return text;
}

const Entity* Nearest(const World& w, const char* model, const Vec3& from, bool living) {
    const uint32_t hash = GameHash(model);
    const Entity* best = nullptr;
    float bestD = 0;
    for (const auto& [handle, e] : w.entities) {
        if (e.model != hash || (living && !e.alive)) continue;
        const float d = Distance(e.position, from);
        if (!best || d < bestD) best = &e, bestD = d;
    }
    return best;
}

Vec3 PlayerAt(const World& w) {
    const Entity* e = w.entity(w.player.ped);
    return e ? e->position : Vec3{};
}

const Blip* BlipNamed(const World& w, const char* name) {
    for (const auto& [handle, b] : w.blips.all)
        if (b.name == name) return &b;
    return nullptr;
}

Vec3 BlipAt(const World& w, const Blip& b) {
    const Entity* e = b.kind == BlipKind::Entity ? w.entity(b.entity) : nullptr;
    return e ? e->position : b.point;
}

bool Drawn(const World& w, const char* text) {
    for (const DrawnText& t : w.screen.texts)
        if (t.text == text) return true;
    return false;
}

bool StillMenuOpen(const World& w) {
    for (const DrawnSprite& s : w.screen.sprites)
        if (s.texture == "inkroller_1a") return true;
    return false;
}

} // namespace sim::chaos
