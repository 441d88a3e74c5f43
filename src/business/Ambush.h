#pragma once
// The gang riders that ambush a delivery: each rider comes on his own horse with his own
// blip, and the three go together.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale::business {

struct AmbushRider {
    Ped rider = 0;
    Ped horse = 0;
    Blip blip = 0;
};

class AmbushGang {
  public:
    // Riders kept at once: four full waves. A wave that finds no room spawns fewer.
    static constexpr int kCapacity = 36;

    // Removes the dead riders of earlier waves, then spawns count (5 to 9) riders around
    // the player, blips them and sends them at the player. Waits for the models (bounded).
    void spawnWave(Ped player, const Vector3& playerPosition, int count);
    // One rider a frame: a dead one loses his blip, so the map shows only those still riding.
    void checkNextRider();
    // Deletes every rider with his horse and blip (the end of a delivery).
    void removeAll();

    int count() const { return count_; }
    const AmbushRider& at(int i) const { return riders_[i]; }

  private:
    void removeDead();
    void remove(int i);
    bool spawnRider(const Vector3& at, bool riderModelLoaded);

    AmbushRider riders_[kCapacity];
    int count_ = 0;
    int nextCheck_ = 0;
};

// Riders in a wave: 5 to 9 from a draw of the C generator.
int WaveSize(int draw);

} // namespace corvale::business
