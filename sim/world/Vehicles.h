#pragma once
// What the world knows about vehicles beyond their entity: seats, draft horses, the speed
// they are driven at, and the prop sets they carry.
#include <cstdint>
#include <map>
#include <vector>

namespace sim {

struct VehicleState {
    int32_t passengerSeats = 3;        // seats besides the driver's
    std::map<int32_t, int32_t> seated; // seat (-1 the driver's) -> ped
    std::vector<int32_t> draftHorses;  // peds in the harness, by harness index
    float speed = 0;                   // metres per second along its heading
};

struct Vehicles {
    std::map<int32_t, std::vector<uint32_t>> propSets; // game hashes, in the order added
    std::map<int32_t, VehicleState> state;

    // The vehicle a ped sits in and the seat, or 0.
    int32_t seatOf(int32_t ped, int32_t* seat = nullptr) const {
        for (const auto& [vehicle, v] : state)
            for (const auto& [s, p] : v.seated)
                if (p == ped) {
                    if (seat) *seat = s;
                    return vehicle;
                }
        return 0;
    }
    void unseat(int32_t ped) {
        for (auto& [vehicle, v] : state)
            std::erase_if(v.seated, [ped](const auto& kv) { return kv.second == ped; });
    }
};

} // namespace sim
