#pragma once
// The chaos world: drawn from the same seed as the player, now and then it makes a model or
// prop set never load, has other mods send script events (any name, ours or not, any
// words), or quits the game and starts it again in the same game folder.
#include "chaos/Random.h"

namespace sim {
struct World;
}

namespace sim::chaos {

class Faults {
  public:
    explicit Faults(uint64_t seed) : random_(seed ^ 0x5DEECE66Dull) {}
    // The world's next doing, or no words when it leaves this step to the player.
    Words next(const World& w);

    static constexpr int32_t kRestartLoadSeconds = 12; // a restarted game loads its saves

  private:
    Words neverLoads(const World& w);
    Words outsideEvent();
    std::string word();

    Random random_;
    int neverLoading_ = 0;
};

} // namespace sim::chaos
