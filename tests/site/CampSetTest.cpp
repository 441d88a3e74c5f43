// Stories of the camp set in the world: built at a location with its crate, hitching post,
// cook and blips, and removed again without leaving anything of ours behind.
#include "SiteWorld.h"
#include "core/natives/Strings.h"
#include "site/Blips.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

constexpr int32_t kTallTrees = 1684533001;
constexpr int32_t kHeartlands = 131399519;
constexpr const char* kCook = "a_m_m_moonshiners_01";

struct CampSetTest : corvale::testing::SiteWorldTest {
    // As the camp manager builds the camp: the prop group, then the armed cook.
    bool buildAt(int32_t id) {
        bool built = false;
        EXPECT_TRUE(inScript([&] {
            camp->setLocation(FindCampLocation(id));
            built = camp->build(HashString("pg_re_moonshinecampgroup02x"));
            camp->spawnCook(true);
        }));
        return built;
    }
    void removeCamp() {
        ASSERT_TRUE(inScript([this] { camp->remove(); }));
    }
};

} // namespace

TEST_F(CampSetTest, BuildingAtTallTreesMakesTheCratePostArmedCookAndCampBlip) {
    ASSERT_TRUE(buildAt(kTallTrees));
    EXPECT_TRUE(camp->isBuilt());
    EXPECT_EQ(owned("p_bottlecrate02x"), 1u);
    EXPECT_EQ(owned("p_hitchingpost05x"), 1u);
    EXPECT_EQ(owned(kCook), 1u);
    EXPECT_EQ(blipsNamed("Moonshine Camp"), 1u);
    const sim::Blip* campBlip = world().blips.find(camp->campBlip());
    ASSERT_NE(campBlip, nullptr);
    EXPECT_EQ(campBlip->point.x, -1997.95f);

    const Ped cook = camp->cook();
    EXPECT_EQ(world().weapons.of[cook].current, sim::GameHash("WEAPON_REVOLVER_DOUBLEACTION"));
    EXPECT_EQ(world().entityStates.of[cook].health, 1500);
    EXPECT_EQ(
        logged("CampInterface: camp set has been created. coords: -1997.95, -1340.48, 117.242"),
        1u);

    const sim::Entity* crate = world().entity(camp->crate());
    ASSERT_NE(crate, nullptr);
    EXPECT_NEAR(crate->position.x, -1997.95f + 1.0f + 0.505434f, 1e-3) << "beside the work spot";

    Blip still = 0;
    ASSERT_TRUE(inScript([&] { still = camp->ensureStillBlip(); }));
    ASSERT_NE(still, 0);
    EXPECT_EQ(blipsNamed("Still"), 1u);
    EXPECT_EQ(world().blips.find(still)->entity, camp->findStill());
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(CampSetTest, RemovingTheCampLeavesNothingOwnedAndNoBlips) {
    ASSERT_TRUE(buildAt(kTallTrees));
    ASSERT_TRUE(inScript([this] { camp->ensureStillBlip(); }));
    removeCamp();
    EXPECT_EQ(owned(), 0u);
    EXPECT_EQ(blips(), 0u);
    EXPECT_FALSE(camp->isBuilt());
    EXPECT_EQ(camp->cook(), 0);
    EXPECT_EQ(camp->crate(), 0);
    EXPECT_EQ(camp->stillBlip(), 0);
    EXPECT_EQ(camp->campBlip(), 0);
    EXPECT_EQ(camp->location()->id, kTallTrees) << "the camp keeps its place";
    EXPECT_TRUE(world().propSets.all.empty());
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(CampSetTest, RebuildingAtTheSamePlaceMakesAFreshCookAndAFreshStillBlip) {
    ASSERT_TRUE(buildAt(kTallTrees));
    const Ped firstCook = camp->cook();
    ASSERT_TRUE(inScript([this] { camp->ensureStillBlip(); }));
    removeCamp();
    ASSERT_TRUE(buildAt(kTallTrees));
    EXPECT_NE(camp->cook(), firstCook);
    EXPECT_EQ(owned(kCook), 1u);
    EXPECT_EQ(owned("p_bottlecrate02x"), 1u);
    Blip still = 0;
    ASSERT_TRUE(inScript([&] { still = camp->ensureStillBlip(); }));
    EXPECT_NE(still, 0);
    EXPECT_EQ(blips(), 2u) << "the camp blip and the still blip";
}

TEST_F(CampSetTest, TwoLocationsInARowLeaveOneCampBlipAtTheSecond) {
    ASSERT_TRUE(inScript([this] {
        camp->setLocation(FindCampLocation(kTallTrees));
        camp->setLocation(FindCampLocation(kHeartlands));
    }));
    EXPECT_EQ(blips(), 1u);
    EXPECT_EQ(blipsNamed("Moonshine Camp"), 1u);
    EXPECT_EQ(world().blips.find(camp->campBlip())->point.x, 1654.1f);
    EXPECT_FALSE(camp->isBuilt());
    EXPECT_EQ(camp->position().x, 0.0f) << "an unbuilt camp has no position";
}

TEST_F(CampSetTest, TheCookIsSpawnedOncePerCamp) {
    ASSERT_TRUE(buildAt(kTallTrees));
    Ped again = 0;
    ASSERT_TRUE(inScript([&] { again = camp->spawnCook(true); }));
    EXPECT_EQ(again, camp->cook());
    EXPECT_EQ(owned(kCook), 1u);
}

TEST_F(CampSetTest, ARemovedStillBlipIsForgottenSoRemovingTheCampSparesOtherBlips) {
    ASSERT_TRUE(buildAt(kTallTrees));
    Blip still = 0;
    ASSERT_TRUE(inScript([&] {
        still = camp->ensureStillBlip();
        camp->removeStillBlip();
    }));
    EXPECT_EQ(camp->stillBlip(), 0);
    // The game hands the freed handle to the next blip made, someone else's.
    world().blips.nextHandle = still;
    Blip other = 0;
    ASSERT_TRUE(inScript([&] {
        other = BlipAtPoint(Vector3{5, 5, 0}, HashString("BLIP_STYLE_OBJECTIVE"), 0);
    }));
    ASSERT_EQ(other, still);
    removeCamp();
    EXPECT_NE(world().blips.find(other), nullptr) << "not the camp's to remove";
    EXPECT_EQ(blips(), 1u);
}

TEST_F(CampSetTest, WhenTheGameDropsTheCampGroupRemoveStillTakesTheCookCrateAndBlips) {
    ASSERT_TRUE(buildAt(kTallTrees));
    ASSERT_TRUE(inScript([this] { camp->ensureStillBlip(); }));
    // The game lets go of the camp group with its still and ledger.
    world().propSets.all.clear();
    ASSERT_FALSE(camp->isBuilt());
    removeCamp();
    EXPECT_EQ(owned(), 0u);
    EXPECT_EQ(blips(), 0u);
    EXPECT_EQ(camp->cook(), 0);
}
