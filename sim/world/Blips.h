#pragma once
// Blips on the map: on an entity, at a point or over a radius, with style, sprite, name and
// modifiers. A blip on an entity goes when the entity is deleted.
#include "world/Vec3.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace sim {

enum class BlipKind { Entity, Coords, Radius };

struct Blip {
    BlipKind kind = BlipKind::Coords;
    uint32_t style = 0;
    int32_t entity = 0;
    Vec3 point;
    float radius = 0;
    uint32_t sprite = 0;
    std::string name;
    std::set<uint32_t> modifiers;
};

struct Blips {
    std::map<int32_t, Blip> all;
    int32_t nextHandle = 0x40001; // apart from entity handles, so a mix-up shows

    Blip* find(int32_t handle) {
        auto it = all.find(handle);
        return it == all.end() ? nullptr : &it->second;
    }
    bool onEntity(int32_t entity) const {
        for (const auto& [handle, b] : all)
            if (b.kind == BlipKind::Entity && b.entity == entity) return true;
        return false;
    }
};

} // namespace sim
