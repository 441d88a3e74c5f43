// What the world keeps of a ped besides its tasks: the game clock it lives by, horses ridden,
// groups, and what configuring natives set on it, read back as the game would play it.
#include "CampWorld.h"

using corvale::testing::CampWorld;

namespace {

struct PedState : CampWorld {};

} // namespace

TEST_F(PedState, TheClockRunsAMinuteEveryTwoSecondsAndAdvancesToTheNextSuchTime) {
    play("clock 21\n");
    const int32_t start = callInt("_GET_SECONDS_SINCE_BASE_YEAR");
    EXPECT_EQ(callInt("GET_CLOCK_HOURS"), 21);
    play("seconds 120\n"); // an hour of game time
    EXPECT_EQ(callInt("GET_CLOCK_HOURS"), 22);
    EXPECT_NEAR(callInt("_GET_SECONDS_SINCE_BASE_YEAR") - start, 3600, 2);
    call("ADVANCE_CLOCK_TIME_TO", 6, 0, 0);
    EXPECT_EQ(callInt("GET_CLOCK_HOURS"), 6);
    EXPECT_GT(callInt("_GET_SECONDS_SINCE_BASE_YEAR") - start, 8 * 3600) << "the next morning";
    play("weather 3.5 0.25\n");
    EXPECT_EQ(callFloat("GET_WIND_SPEED"), 3.5f);
    EXPECT_EQ(callFloat("GET_RAIN_LEVEL"), 0.25f);
}

TEST_F(PedState, ARiderCreatedOnAHorseRidesItUntilHeGetsOff) {
    const int32_t horse = spawnPed("A_C_Horse_TennesseeWalker_DappleBay", {10, 0, 0});
    const uint32_t model = loaded("G_M_M_UniCriminals_01");
    const int32_t rider =
        callInt("CREATE_PED_ON_MOUNT", horse, model, -1, false, false, false, false);
    ASSERT_NE(rider, 0);
    EXPECT_TRUE(call("IS_PED_ON_MOUNT", rider));
    EXPECT_EQ(callInt("GET_MOUNT", rider), horse);
    call("TASK_FOLLOW_NAV_MESH_TO_COORD", horse, 10.0f, 14.0f, 0.0f, 1.0f, -1, 0.5f, 0, 0.0f);
    frames(20);
    EXPECT_EQ(at(rider).y, at(horse).y) << "carried along";
    const uint32_t dismount = sim::GameHash("SCRIPT_TASK_DISMOUNT_ANIMAL");
    call("TASK_DISMOUNT_ANIMAL", rider, 0, 0, 0, 0, 0);
    EXPECT_EQ(callInt("GET_SCRIPT_TASK_STATUS", rider, dismount, false), 1);
    frames(31);
    EXPECT_FALSE(call("IS_PED_ON_MOUNT", rider));
    EXPECT_TRUE(call("IS_PED_ON_FOOT", rider));
    EXPECT_EQ(callInt("GET_SCRIPT_TASK_STATUS", rider, dismount, false), 8);
    call("TASK_MOUNT_ANIMAL", rider, horse, -1, 0, 3.0f, 1, 0, 0);
    frames(31);
    EXPECT_EQ(callInt("GET_MOUNT", rider), horse);
}

TEST_F(PedState, ConfiguringNativesAreRecordedOnThePed) {
    const int32_t ped = spawnPed("S_M_M_Unicorn_01", {0, 0, 0});
    call("SET_AMBIENT_VOICE_NAME", ped, "0405_U_M_M_RhdSheriff_01");
    call("SET_PED_RELATIONSHIP_GROUP_HASH", ped, sim::GameHash("REL_CRIMINALS"));
    call("_EQUIP_META_PED_OUTFIT_PRESET", ped, 3, false);
    call("SET_PED_ACCURACY", ped, 45);
    call("SET_PED_COMBAT_ATTRIBUTES", ped, 46, true);
    call("SET_PED_SEEING_RANGE", ped, 25.0f);
    call("_SET_PED_BLACKBOARD_FLOAT", ped, "MoveBlend", 0.5f, -1);
    call("SET_ENTITY_PROOFS", ped, 2, true);
    const sim::PedState& s = world().peds.state.at(ped);
    EXPECT_EQ(s.voice, "0405_U_M_M_RhdSheriff_01");
    EXPECT_EQ(callInt("GET_PED_RELATIONSHIP_GROUP_HASH", ped),
              static_cast<int32_t>(sim::GameHash("REL_CRIMINALS")));
    EXPECT_EQ(s.outfitPreset, 3);
    EXPECT_EQ(s.accuracy, 45);
    EXPECT_TRUE(s.combatAttributes.at(46));
    EXPECT_EQ(callFloat("_GET_PED_BLACKBOARD_FLOAT", ped, "MoveBlend"), 0.5f);
    EXPECT_EQ(world().entityStates.of.at(ped).proofs, 2);
    // The seeing range limits sight.
    play("player at 30 0 0\n");
    EXPECT_EQ(callInt("CAN_PED_SEE_ENTITY", ped, world().player.ped, true, false), 0);
    play("player at 20 0 0\n");
    EXPECT_EQ(callInt("CAN_PED_SEE_ENTITY", ped, world().player.ped, true, false), 2)
        << "far out in the range the game is not sure yet";
    play("player at 18 0 0\n");
    EXPECT_EQ(callInt("CAN_PED_SEE_ENTITY", ped, world().player.ped, true, false), 1);
    EXPECT_TRUE(sim().faults().empty());
}

TEST_F(PedState, AScenarioExitEndsTheScenarioAndSaysWhetherThereWasOne) {
    const int32_t ped = spawnPed("S_M_M_Unicorn_01", {0, 0, 0});
    EXPECT_FALSE(call("SET_PED_PANIC_EXIT_SCENARIO", ped, 0.0f, 0.0f, 0.0f));
    call("_TASK_USE_NEAREST_SCENARIO_TO_COORD", ped, 0.0f, 3.0f, 0.0f, 15.0f, 40000, 0, 0, 0, 0);
    EXPECT_FALSE(call("IS_PED_USING_ANY_SCENARIO", ped)) << "still walking to it";
    frames(70);
    EXPECT_TRUE(call("IS_PED_USING_ANY_SCENARIO", ped));
    EXPECT_TRUE(call("SET_PED_PANIC_EXIT_SCENARIO", ped, 0.0f, 0.0f, 0.0f));
    EXPECT_FALSE(call("IS_PED_USING_ANY_SCENARIO", ped));
}

TEST_F(PedState, GroupsKnowTheirLeaderAndMembersAndForgetADeletedPed) {
    int32_t a = spawnPed("S_M_M_Unicorn_01", {0, 0, 0});
    const int32_t b = spawnPed("S_M_M_Unicorn_01", {1, 0, 0});
    const int32_t group = callInt("CREATE_GROUP", 0);
    call("SET_PED_AS_GROUP_LEADER", a, group, true);
    call("SET_PED_AS_GROUP_MEMBER", b, group);
    EXPECT_EQ(callInt("GET_PED_GROUP_INDEX", a), group);
    EXPECT_EQ(callInt("GET_PED_GROUP_INDEX", b), group);
    call("DELETE_PED", &a);
    EXPECT_EQ(world().pools.groups.inUse.at(group).leader, 0);
    call("REMOVE_GROUP", group);
    EXPECT_EQ(callInt("GET_PED_GROUP_INDEX", b), 0);
    EXPECT_FALSE(call("DOES_GROUP_EXIST", group));
}
