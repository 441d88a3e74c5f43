#include "core/natives/Developer.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kSetEntityInvincible{0xa5c38736c426fcb8, "SET_ENTITY_INVINCIBLE",
                                              "Entity,BOOL"};
constexpr native::Native kSaddleHorseForPlayer{0xb48050d326e9a2f3, "_GET_SADDLE_HORSE_FOR_PLAYER",
                                               "Player"};
constexpr native::Native kPlayerTargetEntity{0xae663ddd99c8a670, "GET_PLAYER_TARGET_ENTITY",
                                             "Player,Entity*"};
constexpr native::Native kFreeAimingAt{0xa6817c110b830ead, "GET_ENTITY_PLAYER_IS_FREE_AIMING_AT",
                                       "Player,Entity*"};
constexpr native::Native kInteractionLockOnFlag{0xfeca2081f61ed2cd, "_SET_INTERACTION_LOCKON_FLAG",
                                                "Ped,Player,int,BOOL"};
constexpr native::Native kClearArea{0x3b882a96ea77d5b1, "CLEAR_AREA",
                                    "float,float,float,float,int"};
constexpr native::Native kAddAmmo{0xb190bca3f4042f95, "_ADD_AMMO_TO_PED", "Ped,Hash,int,Hash"};
constexpr native::Native kAddAmmoByType{0x106a811c6d3035f3, "_ADD_AMMO_TO_PED_BY_TYPE",
                                        "Ped,Hash,int,Hash"};
constexpr native::Native kSetMaxWantedLevel{0x28a4bd2cee236e19, "SET_MAX_WANTED_LEVEL", "int"};
} // namespace

void SetInvincible(int32_t entity, bool on) { Invoke(kSetEntityInvincible, entity, on); }

int32_t SaddleHorse(int32_t playerIndex) { return Invoke<int32_t>(kSaddleHorseForPlayer, playerIndex); }

int32_t TargetedEntity(int32_t playerIndex) {
    int32_t entity[2] = {0, 0}; // an 8-byte out slot
    return Invoke<bool>(kPlayerTargetEntity, playerIndex, entity) ? entity[0] : 0;
}

int32_t FreeAimedEntity(int32_t playerIndex) {
    int32_t entity[2] = {0, 0};
    return Invoke<bool>(kFreeAimingAt, playerIndex, entity) ? entity[0] : 0;
}

void SetInteractionLockOn(int32_t entity, int32_t playerIndex, int32_t flag, bool on) {
    Invoke(kInteractionLockOnFlag, entity, playerIndex, flag, on);
}

void ClearArea(const Vector3& c, float radius, int32_t flags) {
    Invoke(kClearArea, c.x, c.y, c.z, radius, flags);
}

void AddAmmo(int32_t ped, Hash ammo, int32_t count, Hash reason) {
    Invoke(kAddAmmo, ped, ammo, count, reason);
}

void AddAmmoByType(int32_t ped, Hash ammoType, int32_t count, Hash reason) {
    Invoke(kAddAmmoByType, ped, ammoType, count, reason);
}

void SetMaxWantedLevel(int32_t level) { Invoke(kSetMaxWantedLevel, level); }


} // namespace corvale
