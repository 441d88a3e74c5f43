// Weapons as the world keeps them: the best one taken in hand, the last impact for one frame.
#include "core/natives/Weapons.h"
#include "Hash.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

TEST(Weapons, EquipBestWeaponPutsTheBestOwnedWeaponInHand) {
    ScriptHarness h;
    const Ped guard = h.world().spawn(sim::EntityKind::Ped, 1, {}, 0);
    GiveWeapon(guard, 0x1111, 6, false);
    GiveWeapon(guard, 0x2222, 30, false);
    EXPECT_EQ(CurrentWeapon(guard), sim::GameHash("WEAPON_UNARMED"));
    EquipBestWeapon(guard);
    EXPECT_EQ(CurrentWeapon(guard), 0x2222u);
}

TEST(Weapons, ThePlayersLastImpactIsReportedDuringOneFrame) {
    ScriptHarness h;
    std::vector<Vector3> seen;
    h.start([&] {
        RefreshPlayerPed();
        for (int i = 0; i < 6; ++i) {
            seen.push_back(LastImpact(PlayerPed()));
            ScriptWait(0);
        }
    });
    h.world().weapons.impact = sim::Vec3{4, 5, 6};
    h.world().weapons.impactFrame = 3;
    h.runUntilFinished(10);
    ASSERT_EQ(seen.size(), 6u);
    for (size_t i = 0; i < seen.size(); ++i) {
        const bool atImpact = i == 2; // frames 1, 2, 3...
        EXPECT_EQ(seen[i].x, atImpact ? 4.0f : 0.0f) << "frame " << i + 1;
        EXPECT_EQ(seen[i].z, atImpact ? 6.0f : 0.0f) << "frame " << i + 1;
    }
}
