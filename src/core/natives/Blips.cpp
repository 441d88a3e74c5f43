#include "core/natives/Blips.h"

namespace corvale {

namespace {
constexpr uint64_t kBlipAddForEntity = 0x23f74c2fda6e7c61;
constexpr uint64_t kBlipAddForCoords = 0x554d9d53f696d002;
constexpr uint64_t kBlipAddForRadius = 0x45f13b7e0a15c880;
constexpr uint64_t kSetBlipSprite = 0x74f74d3207ed525c;
constexpr uint64_t kSetBlipName = 0x9cb1a1623062f402;
constexpr uint64_t kBlipSetStyle = 0xedd964b7984ac291;
constexpr uint64_t kBlipAddModifier = 0x662d364abf16de2f;
constexpr uint64_t kDoesBlipExist = 0xcd82fa174080b3b1;
constexpr uint64_t kRemoveBlip = 0xf2c3c9da47aaa54a;
constexpr uint64_t kDoesEntityHaveBlip = 0x9fa00e2fc134a9d0;
constexpr uint64_t kBlipRemoveModifier = 0xb059d7bd3d78c16f;
} // namespace

Blip AddEntityBlip(Hash style, Entity entity) {
    return Invoke<Blip>(kBlipAddForEntity, style, entity);
}

Blip AddPointBlip(Hash style, const Vector3& point) {
    return Invoke<Blip>(kBlipAddForCoords, style, point.x, point.y, point.z);
}

Blip AddAreaBlip(Hash style, const Vector3& point, float radius) {
    return Invoke<Blip>(kBlipAddForRadius, style, point.x, point.y, point.z, radius);
}

void SetBlipSprite(Blip blip, Hash sprite) {
    Invoke(kSetBlipSprite, blip, sprite, false);
}

void SetBlipLabel(Blip blip, uint64_t text) {
    Invoke(kSetBlipName, blip, native::Raw64{text});
}

void SetBlipStyle(Blip blip, Hash style) {
    Invoke<bool>(kBlipSetStyle, blip, style);
}

void AddBlipModifier(Blip blip, Hash modifier) {
    Invoke<bool>(kBlipAddModifier, blip, modifier);
}

bool BlipExists(Blip blip) {
    return Invoke<bool>(kDoesBlipExist, blip);
}

bool EntityHasBlip(Entity entity) {
    return Invoke<bool>(kDoesEntityHaveBlip, entity);
}

bool RemoveBlipModifier(Blip blip, Hash modifier) {
    return Invoke<bool>(kBlipRemoveModifier, blip, modifier);
}

void DeleteBlip(Blip& blip) {
    Invoke(kRemoveBlip, &blip);
}

void RemoveBlipIfExists(Blip& blip) {
    if (blip != 0 && BlipExists(blip)) DeleteBlip(blip);
    blip = 0;
}


} // namespace corvale
