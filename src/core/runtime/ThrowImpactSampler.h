#pragma once
// Where the player's last thrown weapon landed, published for the frame in which the game
// first reports it, so guards hear a throw exactly once.
#include "core/natives/NativeCall.h"

namespace corvale {

class ThrowImpactSampler {
  public:
    // Once per frame, before anything that listens for throws.
    void sample(int32_t playerPed);
    bool hasImpact() const;
    Vector3 impactPoint() const { return impact_; }
    Hash weapon() const { return weapon_; }

  private:
    bool pending_ = false;
    Hash weapon_ = 0;
    Vector3 impact_;
};

} // namespace corvale
