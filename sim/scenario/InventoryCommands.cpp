// The player's cash and inventory items.
#include "Hash.h"
#include "scenario/Commands.h"

#include <cstdint>

namespace sim {

namespace {

uint32_t ItemHash(ScenarioRun& run, const std::string& name) {
    const uint32_t hash = GameHash(name);
    run.sim().world().hashNames.emplace(hash, name);
    return hash;
}

int32_t ItemCount(const Player& p, uint32_t item) {
    auto it = p.items.find(item);
    return it == p.items.end() ? 0 : it->second;
}

} // namespace

void RegisterInventoryCommands(CommandRegistry& r) {
    // The game's cash is a signed 32-bit count of cents and never below zero.
    r.add("player cash", "CENTS:int", [](ScenarioRun& run, const Command& c) {
        const int64_t cents = ArgInt(c, 2);
        if (cents < 0 || cents > INT32_MAX) Fail(c, "cash is 0 to 2147483647 cents");
        run.sim().world().player.cashCents = static_cast<int32_t>(cents);
    });
    r.add("player item", "NAME COUNT:int", [](ScenarioRun& run, const Command& c) {
        const uint32_t item = ItemHash(run, Arg(c, 2));
        const int64_t count = ArgInt(c, 3);
        auto& items = run.sim().world().player.items;
        if (count <= 0)
            items.erase(item);
        else
            items[item] = static_cast<int32_t>(count);
    });
    r.add("expect cash", "CENTS:int", [](ScenarioRun& run, const Command& c) {
        const int32_t cents = run.sim().world().player.cashCents;
        run.expect(c, cents == ArgInt(c, 2), std::to_string(cents));
    });
    r.add("expect item", "NAME COUNT:int", [](ScenarioRun& run, const Command& c) {
        const int32_t n = ItemCount(run.sim().world().player, ItemHash(run, Arg(c, 2)));
        run.expect(c, n == ArgInt(c, 3), std::to_string(n));
    });
}

} // namespace sim
