#include "missions/JailMarker.h"

#include "core/natives/Blips.h"
#include "core/natives/Strings.h"
#include "site/Blips.h"

namespace corvale {

JailMarker::JailMarker()
    : sprite_(HashString("blip_mp_mission_clay")),
      lockedModifier_(HashString("BLIP_MODIFIER_LOCKED")) {}

void JailMarker::show(const Vector3& at, const char* name) {
    blip_ = BlipAtPoint(at, blips::kStyleMission, sprite_);
    SetBlipName(blip_, name);
}

void JailMarker::lock() {
    if (blip_ == 0 || locked_) return;
    AddBlipModifier(blip_, lockedModifier_);
    locked_ = true;
}

void JailMarker::unlock() {
    if (blip_ != 0) RemoveBlipModifier(blip_, lockedModifier_);
    locked_ = false;
}

void JailMarker::remove() {
    RemoveBlip(&blip_);
    locked_ = false;
}

} // namespace corvale
