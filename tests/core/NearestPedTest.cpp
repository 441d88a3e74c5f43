// The nearest ped around another, read from the game's sized array of nearby peds.
#include "core/natives/Peds.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {
Ped PedAt(ScriptHarness& h, float x, uint32_t model = 1) {
    return h.world().spawn(sim::EntityKind::Ped, model, sim::Vec3{x, 0, 0}, 0);
}
} // namespace

TEST(NearestPed, ComparesWholeMetresAndKeepsTheFirstFoundOnATie) {
    ScriptHarness h;
    const Ped player = h.world().player.ped;
    const Ped first = PedAt(h, 5.9f);
    PedAt(h, 5.2f);    // nearer, but the same whole metres
    PedAt(h, 3.0f, 2); // nearest, but not accepted
    PedAt(h, 80.0f);   // too far for the game to report
    const Ped found = NearestPed(player, [&](Ped p) { return h.world().entity(p)->model == 1; });
    EXPECT_EQ(found, first);
}

TEST(NearestPed, ConsidersOnlyTheTenPedsTheGameReports) {
    ScriptHarness h;
    const Ped player = h.world().player.ped;
    const Ped firstReported = PedAt(h, 20.0f);
    for (int i = 0; i < 9; ++i)
        PedAt(h, 20.0f + i);
    PedAt(h, 1.0f); // the eleventh does not fit in the array
    EXPECT_EQ(NearestPed(player, [](Ped) { return true; }), firstReported);
}

TEST(NearestPed, GivesZeroWhenNoneIsAccepted) {
    ScriptHarness h;
    PedAt(h, 2.0f);
    EXPECT_EQ(NearestPed(h.world().player.ped, [](Ped) { return false; }), 0);
}

TEST(NearestPed, TheAcceptedPedCanBeFoundFromAnyPed) {
    ScriptHarness h;
    const Ped guard = PedAt(h, 40.0f);
    const Ped other = PedAt(h, 45.0f);
    EXPECT_EQ(NearestPed(guard, [](Ped) { return true; }), other);
    EXPECT_EQ(NearestPed(guard, [&](Ped p) { return p == h.world().player.ped; }),
              h.world().player.ped);
}
