#pragma once
// What peds notice: recent AI events around them (a shot, a body), the player's noise.
#include <cstdint>
#include <deque>
#include <map>

namespace sim {

struct RecentEvent {
    uint32_t type = 0;  // game hash of the event's name
    int32_t source = 0; // the entity that caused it
    uint64_t frame = 0; // when it happened
};

struct Perception {
    float playerNoise = 0;
    uint64_t recentFrames = 30;                        // how long an event stays recent
    std::map<int32_t, std::deque<RecentEvent>> recent; // by ped, newest first

    void notice(int32_t ped, RecentEvent e) {
        auto& list = recent[ped];
        list.push_front(e);
        if (list.size() > 8) list.pop_back();
    }
};

} // namespace sim
