#pragma once
// The gang riders that ambush a delivery: each rider comes on his own horse with his own
// blip, and the three go together.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

#include <cstdint>

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
    // Farther than this from the player a rider has lost him.
    static constexpr float kLostRange = 400.0f;

    // Asks the game for the riders' and their horses' models: the next wave's waits count
    // from now.
    void requestModels();
    // Polled once a frame while a wave is due: true once each model has loaded or its wait
    // has given up (logged once).
    bool modelsReady();
    // Removes the dead riders of earlier waves, then spawns count (5 to 9) riders around
    // the player, blips them and sends them at the player. Never waits for the models: once
    // modelsReady(), what never loaded is not spawned.
    void spawnWave(Ped player, const Vector3& playerPosition, int count);
    // One rider a frame: a dead one loses his blip, so the map shows only those still riding;
    // one the player has left far behind (a fast travel, a train) has lost him and goes, with
    // his horse and blip, making room for the riders of the next wave.
    void checkNextRider(const Vector3& playerPosition);
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
    int32_t modelsAsked_ = 0;
    bool riderModelOver_ = false;
    bool horseModelOver_ = false;
};

// Riders in a wave: 5 to 9 from a draw of the C generator.
int WaveSize(int draw);

} // namespace corvale::business
