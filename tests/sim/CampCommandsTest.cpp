// The camp side's scenario commands: prop sets that hold what the camp looks for, the
// player's moves to blips and entities, explosions in the AI queue, entity words in events.
#include "CampWorld.h"
#include "world/Geometry.h"

#include <cmath>

using corvale::testing::CampWorld;

namespace {

struct CampCommands : CampWorld {
    float slotFloat(uint64_t slot) {
        const uint32_t bits = static_cast<uint32_t>(slot);
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
};

} // namespace

TEST_F(CampCommands, TheCampGroupPropSetHoldsAStillAndALedgerThatGoWithIt) {
    const uint32_t set = loaded("pg_re_moonshinecampgroup02x");
    const int32_t handle =
        callInt("_CREATE_PROP_SET_2", set, 100.0f, 200.0f, 10.0f, 0, 90.0f, 0.0f, false, false);
    ASSERT_NE(handle, 0);
    const uint32_t still = sim::GameHash("P_STILL02X"), ledger = sim::GameHash("p_journal_open01x");
    const int32_t found = callInt("GET_CLOSEST_OBJECT_OF_TYPE", 100.0f, 200.0f, 10.0f, 10.0f, still,
                                  false, false, false);
    ASSERT_NE(found, 0);
    EXPECT_NE(callInt("GET_CLOSEST_OBJECT_OF_TYPE", 100.0f, 200.0f, 10.0f, 10.0f, ledger, false,
                      false, false),
              0);
    EXPECT_EQ(
        callInt("GET_CLOSEST_OBJECT_OF_TYPE", 0.0f, 0.0f, 0.0f, 10.0f, still, false, false, false),
        0)
        << "out of reach";

    // The interaction spot: half a metre in front of the still, facing it.
    play("player to-entity P_STILL02X\n");
    const sim::Entity& s = world().entities.at(found);
    const sim::Entity& p = world().entities.at(world().player.ped);
    EXPECT_NEAR(sim::Distance(s.position, p.position), 0.5f, 1e-4f);
    EXPECT_NEAR(std::fmod(p.heading - s.heading + 360.0f, 360.0f), 180.0f, 1e-3f);

    EXPECT_TRUE(call("DOES_PROP_SET_EXIST", handle));
    call("_DELETE_PROP_SET", handle, false, false);
    EXPECT_FALSE(call("DOES_PROP_SET_EXIST", handle));
    EXPECT_EQ(world().entity(found), nullptr) << "its objects go with the set";

    const uint32_t other = loaded("pg_mp_moonshinecamp03x");
    callInt("_CREATE_PROP_SET_2", other, 0.0f, 0.0f, 0.0f, 0, 0.0f, 0.0f, false, false);
    EXPECT_NE(
        callInt("GET_CLOSEST_OBJECT_OF_TYPE", 0.0f, 0.0f, 0.0f, 5.0f, still, false, false, false),
        0);
}

TEST_F(CampCommands, AnExplosionIsAnAiEventWithItsWeaponAndPointReadTheNextFrame) {
    play("enemy G_M_M_UniCriminals_01 12 -4 1\nexplode at G_M_M_UniCriminals_01\n"
         "explode 1.5 2 3 hash:WEAPON_THROWN_MOLOTOV\n");
    frames(1);
    ASSERT_EQ(callInt("GET_NUMBER_OF_EVENTS", 0), 2);
    EXPECT_EQ(static_cast<uint32_t>(call("GET_EVENT_AT_INDEX", 0, 0)),
              sim::GameHash("EVENT_ENTITY_EXPLOSION"));
    uint64_t slots[6] = {};
    ASSERT_TRUE(call("GET_EVENT_DATA", 0, 0, slots, 6));
    EXPECT_EQ(static_cast<uint32_t>(slots[2]), sim::GameHash("WEAPON_THROWN_DYNAMITE"));
    EXPECT_EQ(slotFloat(slots[3]), 12.0f);
    EXPECT_EQ(slotFloat(slots[4]), -4.0f);
    EXPECT_EQ(slotFloat(slots[5]), 1.0f);
    ASSERT_TRUE(call("GET_EVENT_DATA", 0, 1, slots, 6));
    EXPECT_EQ(static_cast<uint32_t>(slots[2]), sim::GameHash("WEAPON_THROWN_MOLOTOV"));
    EXPECT_EQ(slotFloat(slots[3]), 1.5f);
    EXPECT_EQ(world().entities.size(), 2u) << "nothing dies of it";
    frames(1);
    EXPECT_EQ(callInt("GET_NUMBER_OF_EVENTS", 0), 0);
}

TEST_F(CampCommands, EventWordsNameThePlayerAndTheNearestPedOrEntity) {
    play("player at 0 0 0\nenemy G_M_M_UniCriminals_01 50 0 0\nenemy G_M_M_UniCriminals_01 5 0 0\n"
         "game-event 0 EVENT_SHOCKING_DEAD_BODY ped:G_M_M_UniCriminals_01 player\n");
    frames(1);
    uint64_t slots[2] = {};
    ASSERT_TRUE(call("GET_EVENT_DATA", 0, 0, slots, 2));
    const int32_t near = static_cast<int32_t>(slots[0]);
    EXPECT_EQ(at(near).x, 5.0f) << "the nearest one to the player";
    EXPECT_EQ(static_cast<int32_t>(slots[1]), world().player.ped);
    EXPECT_THROW(play("event CORVALE_X ped:A_C_Horse_Nobody\n"), sim::ScenarioError);
}

TEST_F(CampCommands, ToBlipBySpriteCarriesTheSeatedPlayerAndAMissingBlipIsAnError) {
    const int32_t blip = callInt("BLIP_ADD_FOR_COORDS", 0x1857a152u, 0.0f, 100.0f, 0.0f);
    call("SET_BLIP_SPRITE", blip, 0xddfba6abu, false);
    play("player at 0 0 0\n");
    const uint32_t model = loaded("WAGON05X");
    const int32_t wagon =
        callInt("CREATE_VEHICLE", model, 1.0f, 1.0f, 0.0f, 0.0f, true, true, false, true);
    play("player seat WAGON05X\nplayer to-blip sprite:0xddfba6ab 30\n");
    EXPECT_NEAR(at(world().player.ped).y, 70.0f, 0.1f);
    EXPECT_EQ(at(wagon).y, at(world().player.ped).y);
    EXPECT_THROW(play("player to-blip \"Nowhere\"\n"), sim::ScenarioError);
    EXPECT_THROW(play("player seat WAGON06X\n"), sim::ScenarioError);
}

TEST_F(CampCommands, ExpectCountsOfLogLinesEventsAndPedsNearAPoint) {
    play("enemy G_M_M_UniCriminals_01 0 0 0\nenemy G_M_M_UniCriminals_01 100 0 0\n");
    EXPECT_TRUE(holds("expect peds G_M_M_UniCriminals_01 1 near 90 0 0 20\n"));
    EXPECT_FALSE(holds("expect peds G_M_M_UniCriminals_01 2 near 90 0 0 20\n"));
    play("kill G_M_M_UniCriminals_01 near 100 0 0 1\n");
    EXPECT_TRUE(holds("expect peds G_M_M_UniCriminals_01 1 near 0 0 0 1\n"
                      "expect peds G_M_M_UniCriminals_01 0 near 100 0 0 1\n"
                      "expect events CORVALE_CAMP_LOCATION_SET 0\n"));
    EXPECT_THROW(play("kill G_M_M_UniCriminals_01 near 500 0 0 1\n"), sim::ScenarioError)
        << "nobody there to kill";
}
