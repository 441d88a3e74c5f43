#pragma once
// The chaos player: drawn from a seed, he does what players do, weighted toward the places
// where things happen: walks and rides between the camp's ledger, still, crate and wagon, the
// jail, the rival camps and the buyer; presses whatever prompt is on his screen; opens and
// leaves menus, buys, fights, dies and respawns, turns wanted and waits for hours. Each
// step is one scenario command, chosen from what the world shows at the end of the last
// frame, so that the commands written down play the same game again.
#include "chaos/Random.h"
#include "world/Vec3.h"

#include <deque>

namespace sim {
struct World;
}

namespace sim::chaos {

class Player {
  public:
    explicit Player(uint64_t seed) : random_(seed) {}
    Words next(const World& w);

  private:
    Words act(const World& w);
    Words travel(const World& w);
    Words press(const World& w);
    Words menu();
    Words wait();
    Words shop();
    Words fight(const World& w);
    Words die(const World& w);
    Words law();
    Words wagon(const World& w);
    Words ride();
    Words jail(const World& w);
    Words talk(const World& w);
    Words errand(const World& w);
    Words rescue(const World& w);
    Vec3 position(const World& w) const;
    Vec3 awaySpot(const World& w);
    Words at(const World& w, Vec3 p);

    Random random_;
    std::deque<Words> then_; // steps that follow the last one whatever the world shows
    std::string journey_;    // the blip he is making his way to, by the words that name it
    std::vector<float> stages_;
    bool seated_ = false;
    bool targeting_ = false;
    int errandSteps_ = 0; // steps left of the errand he is on
};

} // namespace sim::chaos
