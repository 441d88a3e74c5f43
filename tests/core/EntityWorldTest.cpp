// Entity wrappers against the simulated world: distances, facing, removal, death.
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {
Entity SpawnAt(ScriptHarness& h, sim::Vec3 p, float heading,
               sim::EntityKind kind = sim::EntityKind::Ped) {
    return h.world().spawn(kind, 0x1234, p, heading);
}
} // namespace

TEST(Distance, AnEntityIsZeroMetresFromItself) {
    ScriptHarness h;
    const Entity e = SpawnAt(h, {3, 4, 5}, 0);
    EXPECT_EQ(Distance(e, e), 0.0f);
}

TEST(Distance, MeasuresBetweenEntitiesAndPointsInEitherOrder) {
    ScriptHarness h;
    const Entity a = SpawnAt(h, {3, 4, 5}, 0);
    const Entity b = SpawnAt(h, {0, 0, 5}, 0);
    EXPECT_FLOAT_EQ(Distance(a, b), 5.0f);
    EXPECT_FLOAT_EQ(Distance(a, Vector3{3, 4, 17}), 12.0f);
    EXPECT_FLOAT_EQ(Distance(Vector3{3, 4, 17}, a), 12.0f);
    EXPECT_FLOAT_EQ(Distance(Vector3{0, 0, 0}, Vector3{0, 0, -2}), 2.0f);
}

TEST(EntityForward, HeadingZeroFacesPlusYAndNinetyFacesMinusX) {
    ScriptHarness h;
    const Vector3 north = EntityForward(SpawnAt(h, {}, 0));
    EXPECT_NEAR(north.x, 0.0f, 1e-6f);
    EXPECT_NEAR(north.y, 1.0f, 1e-6f);
    const Vector3 west = EntityForward(SpawnAt(h, {}, 90));
    EXPECT_NEAR(west.x, -1.0f, 1e-6f);
    EXPECT_NEAR(west.y, 0.0f, 1e-6f);
}

TEST(EntityRotationDirection, FollowsTheYawOfALevelEntity) {
    ScriptHarness h;
    const Vector3 d90 = EntityRotationDirection(SpawnAt(h, {}, 90));
    EXPECT_NEAR(d90.x, 0.0f, 1e-6f);
    EXPECT_NEAR(d90.y, 1.0f, 1e-6f);
    EXPECT_NEAR(d90.z, 0.0f, 1e-6f);
    const Vector3 d270 = EntityRotationDirection(SpawnAt(h, {}, 270));
    EXPECT_NEAR(d270.y, -1.0f, 1e-6f);
}

TEST(DeleteEntity, RemovesItFromTheWorldAndClearsTheHandle) {
    ScriptHarness h;
    Entity e = SpawnAt(h, {}, 0, sim::EntityKind::Object);
    const Entity kept = e;
    DeleteEntity(e);
    EXPECT_EQ(e, 0);
    EXPECT_FALSE(EntityExists(kept));
    Ped p = SpawnAt(h, {}, 0);
    const Ped keptPed = p;
    DeletePed(p);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(h.world().entity(keptPed), nullptr);
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(ReleaseEntity, LeavesItToTheGameAndClearsTheHandle) {
    ScriptHarness h;
    Entity e = SpawnAt(h, {}, 0);
    const Entity kept = e;
    ReleaseEntity(e);
    EXPECT_EQ(e, 0);
    EXPECT_TRUE(EntityExists(kept));
    EXPECT_TRUE(h.world().entityStates.of[kept].released);
}

TEST(IsEntityDead, ADeadPedStillExists) {
    ScriptHarness h;
    const Ped p = SpawnAt(h, {}, 0);
    EXPECT_FALSE(IsEntityDead(p));
    h.world().entity(p)->alive = false;
    EXPECT_TRUE(IsEntityDead(p));
    EXPECT_TRUE(EntityExists(p));
}
