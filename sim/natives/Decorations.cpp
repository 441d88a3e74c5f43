// Decorations: named values kept on an entity, each name registered with its type first.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterDecorationNatives(NativeTable& t) {
    t.add(0x44db62727762fd9b, "DECOR_GET_INT", "Entity,const char*", [](Call& c) {
        const auto& d = c.w.developer.decorations;
        auto it = d.find({c.i(0), c.s(1) ? c.s(1) : ""});
        c.r.setInt(it == d.end() ? 0 : it->second);
    });
    t.add(0x0b253d644e3c36b3, "DECOR_REGISTER", "const char*,int", [](Call& c) {
        if (!c.s(0)) return c.fault("no decoration name");
        c.w.developer.decorationTypes[c.s(0)] = c.i(1);
    });
    t.add(0xe88f4d7f52a6090f, "DECOR_SET_INT", "Entity,const char*,int", [](Call& c) {
        if (!c.s(1)) return c.fault("no decoration name");
        if (!c.w.developer.decorationTypes.count(c.s(1)))
            c.trace(std::string("decoration ") + c.s(1) + " set before it was registered");
        if (!c.entity(0)) return c.r.setBool(false);
        c.w.developer.decorations[{c.i(0), c.s(1)}] = c.i(2);
        c.r.setBool(true);
    });
}

} // namespace sim
