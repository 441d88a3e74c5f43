#include "core/runtime/ThrowImpactSampler.h"

#include "core/natives/Combat.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"

namespace corvale {

void ThrowImpactSampler::sample(int32_t playerPed) {
    if (IsPedShooting(playerPed)) {
        const Hash weapon = CurrentWeapon(playerPed);
        if (IsThrownWeapon(weapon)) {
            pending_ = true;
            weapon_ = weapon;
        }
    }
    if (!pending_) {
        weapon_ = 0;
        impact_ = Vector3{};
        return;
    }
    // The impact arrives some frames after the throw; until then keep waiting.
    const Vector3 impact = LastImpact(playerPed);
    if (IsZero(impact)) return;
    impact_ = impact;
    pending_ = false;
}

bool ThrowImpactSampler::hasImpact() const {
    return !IsZero(impact_);
}

} // namespace corvale
