// Doors and interiors.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterDoorNatives(NativeTable& t) {
    t.add(0x6bab9442830c7f53, "DOOR_SYSTEM_SET_DOOR_STATE", "Hash,int", [](Call& c) {
        c.w.map.doors[c.u(0)] = c.i(1);
        c.trace("door " + NameOf(c.w, c.u(0)) + " state " + std::to_string(c.i(1)));
    });
    // Only the player goes indoors here, where a scenario puts him.
    t.add(0xb417689857646f61, "GET_INTERIOR_FROM_ENTITY", "Entity", [](Call& c) {
        c.entity(0);
        c.r.setInt(c.i(0) == c.w.player.ped && c.i(0) != 0 ? c.w.player.interior : 0);
    });
}

} // namespace sim
