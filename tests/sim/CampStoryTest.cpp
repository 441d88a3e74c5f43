// A raid on the camp, played through the simulator's natives the way the camp side will:
// guards are spawned, blipped and sent on patrol with a sequence; raiders ride in and fight
// the player; the guards fight back; the raiders die; the player boards the wagon and drives
// off behind a fade. Every leak the camp side can make shows in the expectations.
#include "CampWorld.h"

using corvale::testing::CampWorld;

namespace {

struct CampStory : CampWorld {};

} // namespace

TEST_F(CampStory, GuardsPatrolRaidersFightAndDieThePlayerDrivesAwayLeavingNothingBehind) {
    play("player at 0 0 0\nclock 22\n");
    const uint32_t guardModel = loaded("S_M_M_Unicorn_01");
    std::vector<int32_t> guards, blips;
    int32_t group = 0;
    for (float x : {-10.0f, 10.0f}) {
        const int32_t guard =
            callInt("CREATE_PED", guardModel, x, 5.0f, 0.0f, 0.0f, true, false, false, false);
        ASSERT_NE(guard, 0);
        if (group == 0) {
            group = callInt("CREATE_GROUP", 0);
            call("SET_PED_AS_GROUP_LEADER", guard, group, true);
        } else {
            call("SET_PED_AS_GROUP_MEMBER", guard, group);
        }
        blips.push_back(callInt("BLIP_ADD_FOR_ENTITY", 0x318c617cu, guard));
        // Patrol: walk ten metres north, then stand guard.
        int32_t seq = 0;
        call("OPEN_SEQUENCE_TASK", &seq);
        call("TASK_FOLLOW_NAV_MESH_TO_COORD", 0, x, 15.0f, 0.0f, 1.0f, -1, 0.5f, 0, 0.0f);
        call("TASK_START_SCENARIO_IN_PLACE_HASH", 0, sim::GameHash("WORLD_HUMAN_GUARD_LANTERN"), -1,
             true, 0u, -1.0f, false);
        call("CLOSE_SEQUENCE_TASK", seq);
        call("TASK_PERFORM_SEQUENCE", guard, seq);
        call("CLEAR_SEQUENCE_TASK", &seq);
        guards.push_back(guard);
    }
    EXPECT_EQ(callInt("GET_PED_GROUP_INDEX", guards[1]), group);
    EXPECT_EQ(callInt("GET_CLOCK_HOURS"), 22);
    EXPECT_TRUE(holds("expect owned S_M_M_Unicorn_01 2\nexpect pool sequences 0\n"
                      "expect pool groups 1\nexpect blips 2\n"));
    frames(250); // 10 m at 1.4 m/s is about 7 s
    for (int32_t g : guards) {
        EXPECT_NEAR(at(g).y, 15.0f, 1e-4f);
        EXPECT_TRUE(call("IS_PED_USING_ANY_SCENARIO", g)) << "standing guard for good";
    }

    // The raiders come, fighting the player; the guards take them on.
    play("enemy G_M_M_UniCriminals_01 0 40 0\nenemy G_M_M_UniCriminals_01 5 40 0\n");
    EXPECT_EQ(callInt("COUNT_PEDS_IN_COMBAT_WITH_TARGET", world().player.ped, 0), 2);
    const int32_t raider = callInt("GET_CURRENT_TARGET_FOR_PED", guards[0]);
    EXPECT_EQ(raider, 0) << "the guards have not engaged yet";
    const int32_t set = callInt("CREATE_ITEMSET", true);
    ASSERT_EQ(callInt("_GET_PEDS_IN_COMBAT_WITH_TARGET", world().player.ped, set, 0), 2);
    for (size_t i = 0; i < guards.size(); ++i) {
        const int32_t enemy = callInt("GET_INDEXED_ITEM_IN_ITEMSET", int32_t(i), set);
        call("TASK_COMBAT_PED", guards[i], enemy, 0, 16);
    }
    call("DESTROY_ITEMSET", set);
    EXPECT_FALSE(call("IS_PED_USING_ANY_SCENARIO", guards[0])) << "the fight replaces the post";
    EXPECT_TRUE(
        holds("expect peds G_M_M_UniCriminals_01 2 near 0 40 0 10\nexpect pool itemsets 0\n"));

    play("kill G_M_M_UniCriminals_01 all\n");
    frames(1);
    EXPECT_EQ(callInt("COUNT_PEDS_IN_COMBAT_WITH_TARGET", world().player.ped, 0), 0);
    for (int32_t g : guards)
        EXPECT_EQ(callInt("GET_CURRENT_TARGET_FOR_PED", g), 0);
    EXPECT_TRUE(holds("expect peds G_M_M_UniCriminals_01 0\n"));

    // The player takes the wagon away behind a fade, past a region that never loads.
    const uint32_t wagonModel = loaded("WAGON05X");
    const int32_t wagon =
        callInt("CREATE_VEHICLE", wagonModel, 2.0f, 0.0f, 0.0f, 0.0f, true, true, false, true);
    call("TASK_ENTER_VEHICLE", world().player.ped, wagon, 5000, -1, 1.0f, 1, 0);
    frames(31);
    EXPECT_TRUE(call("IS_PED_SITTING_IN_VEHICLE", world().player.ped, wagon));
    call("DO_SCREEN_FADE_OUT", 1000);
    play("seconds 1.1\nplayer move 0 500 0\n");
    EXPECT_TRUE(holds("expect screen faded\nexpect player near 2 500 0 1\n"));
    call("ADD_NAVMESH_REQUIRED_REGION", 2.0f, 1500.0f, 0.0f);
    frames(10);
    EXPECT_TRUE(call("IS_NAVMESH_LOADED_IN_AREA", 0.0f, 1490.0f, 0.0f, 4.0f, 1510.0f, 10.0f));
    play("navmesh never\n");
    EXPECT_FALSE(call("IS_NAVMESH_LOADED_IN_AREA", 0.0f, 1490.0f, 0.0f, 4.0f, 1510.0f, 10.0f));
    call("DO_SCREEN_FADE_IN", 500);
    frames(16);

    // Clean-up as the camp side owes it: blips, group, the guards and the wagon handed back.
    for (int32_t& b : blips)
        call("REMOVE_BLIP", &b);
    call("REMOVE_GROUP", group);
    for (int32_t& g : guards)
        call("DELETE_PED", &g);
    int32_t kept = wagon;
    call("SET_ENTITY_AS_NO_LONGER_NEEDED", &kept);
    EXPECT_TRUE(holds("expect screen clear\nexpect owned all 0\nexpect blips 0\n"
                      "expect pool sequences 0\nexpect pool itemsets 0\nexpect pool groups 0\n"));
    EXPECT_TRUE(sim().faults().empty());
}
