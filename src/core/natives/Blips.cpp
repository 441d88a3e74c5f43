#include "core/natives/Blips.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kBlipAddForEntity{0x23f74c2fda6e7c61, "BLIP_ADD_FOR_ENTITY",
                                           "Hash,Entity"};
constexpr native::Native kBlipAddForCoords{0x554d9d53f696d002, "BLIP_ADD_FOR_COORDS",
                                           "Hash,float,float,float"};
constexpr native::Native kBlipAddForRadius{0x45f13b7e0a15c880, "BLIP_ADD_FOR_RADIUS",
                                           "Hash,float,float,float,float"};
constexpr native::Native kSetBlipSprite{0x74f74d3207ed525c, "SET_BLIP_SPRITE", "Blip,Hash,BOOL"};
constexpr native::Native kSetBlipName{0x9cb1a1623062f402, "_SET_BLIP_NAME", "Blip,const char*"};
constexpr native::Native kBlipSetStyle{0xedd964b7984ac291, "_BLIP_SET_STYLE", "Blip,Hash"};
constexpr native::Native kBlipAddModifier{0x662d364abf16de2f, "BLIP_ADD_MODIFIER", "Blip,Hash"};
constexpr native::Native kDoesBlipExist{0xcd82fa174080b3b1, "DOES_BLIP_EXIST", "Blip"};
constexpr native::Native kRemoveBlip{0xf2c3c9da47aaa54a, "REMOVE_BLIP", "Blip*"};
constexpr native::Native kDoesEntityHaveBlip{0x9fa00e2fc134a9d0, "_DOES_ENTITY_HAVE_BLIP",
                                             "Entity"};
constexpr native::Native kBlipRemoveModifier{0xb059d7bd3d78c16f, "BLIP_REMOVE_MODIFIER",
                                             "Blip,Hash"};
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
