// Ped tasks in the simulated world: straight-line walks at 1.4 m/s times the speed, sequences
// whose progress moves over frames, tasks that end with the ped, and the faults the game
// would crash on.
#include "CampWorld.h"

using corvale::testing::CampWorld;

namespace {

struct PedTasks : CampWorld {};

constexpr int32_t kRunning = 1, kNotRunning = 8;

} // namespace

TEST_F(PedTasks, AGoToArrivesAfterTheDistanceOverItsSpeedAndTakesItsHeading) {
    const int32_t ped = spawnPed("G_M_M_UniCriminals_01", {0, 0, 0});
    call("TASK_FOLLOW_NAV_MESH_TO_COORD", ped, 14.0f, 0.0f, 0.0f, 2.0f, -1, 0.5f, 0, 90.0f);
    const uint32_t task = sim::GameHash("SCRIPT_TASK_FOLLOW_NAV_MESH_TO_COORD");
    // 14 m at 2.8 m/s: 5 s, 152 frames of 33 ms.
    frames(150);
    EXPECT_LT(at(ped).x, 14.0f);
    EXPECT_NEAR(at(ped).x, 150 * 0.033f * 2.8f, 0.01f) << "a straight line at a steady pace";
    EXPECT_EQ(callInt("GET_SCRIPT_TASK_STATUS", ped, task, false), kRunning);
    frames(2);
    EXPECT_EQ(at(ped).x, 14.0f);
    EXPECT_EQ(world().entities.at(ped).heading, 90.0f);
    EXPECT_EQ(callInt("GET_SCRIPT_TASK_STATUS", ped, task, false), kNotRunning);
    EXPECT_TRUE(sim().faults().empty());
}

TEST_F(PedTasks, ASequenceReportsMinusOneThenEachStepThenMinusOneAndRunsOnAfterItsClear) {
    const int32_t ped = spawnPed("G_M_M_UniCriminals_01", {0, 0, 0});
    int32_t seq = 0;
    call("OPEN_SEQUENCE_TASK", &seq);
    ASSERT_NE(seq, 0);
    call("TASK_STAND_STILL", 0, 200);                               // timed: 7 frames
    call("TASK_LOOK_AT_COORD", 0, 1.0f, 1.0f, 1.0f, 1000, 0, 0, 0); // instant: 1 frame
    call("TASK_FOLLOW_NAV_MESH_TO_COORD", 0, 1.4f, 0.0f, 0.0f, 1.0f, -1, 0.5f, 0, 0.0f);
    call("CLOSE_SEQUENCE_TASK", seq);
    call("TASK_PERFORM_SEQUENCE", ped, seq);
    call("CLEAR_SEQUENCE_TASK", &seq);
    EXPECT_EQ(seq, 0) << "the handle is given back and cleared";
    EXPECT_TRUE(holds("expect pool sequences 0\n"));

    std::vector<int32_t> seen{callInt("GET_SEQUENCE_PROGRESS", ped)};
    for (int i = 0; i < 80; ++i) {
        frames(1);
        const int32_t p = callInt("GET_SEQUENCE_PROGRESS", ped);
        if (p != seen.back()) seen.push_back(p);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{-1, 0, 1, 2, -1}));
    EXPECT_EQ(at(ped).x, 1.4f) << "the last step walked its metre and a bit";
    EXPECT_TRUE(sim().faults().empty());
}

TEST_F(PedTasks, ADeadPedsTasksEndAndNewOnesAreIgnored) {
    const int32_t guard = spawnPed("S_M_M_Unicorn_01", {0, 0, 0});
    const int32_t raider = spawnPed("G_M_M_UniCriminals_01", {5, 0, 0});
    call("TASK_COMBAT_PED", raider, guard, 0, 16);
    call("TASK_COMBAT_PED", guard, raider, 0, 16);
    frames(1);
    EXPECT_EQ(callInt("COUNT_PEDS_IN_COMBAT_WITH_TARGET", guard, 0), 1);
    EXPECT_EQ(callInt("GET_CURRENT_TARGET_FOR_PED", raider), guard);
    call("SET_ENTITY_HEALTH", raider, 0, 0);
    EXPECT_EQ(callInt("COUNT_PEDS_IN_COMBAT_WITH_TARGET", guard, 0), 0);
    EXPECT_EQ(callInt("GET_CURRENT_TARGET_FOR_PED", raider), 0);
    frames(1);
    EXPECT_FALSE(call("IS_PED_IN_COMBAT", guard, raider)) << "the fight ends with its target";
    call("TASK_STAND_STILL", raider, 1000);
    EXPECT_EQ(world().pedTasks.current(raider), nullptr);
    EXPECT_TRUE(sim().faults().empty()) << "tasking a dead ped is not a fault, only useless";
}

TEST_F(PedTasks, ATaskForAPedThatDoesNotExistIsAFaultAndAMissingEntityIsTraced) {
    call("TASK_STAND_STILL", 4242, 1000);
    ASSERT_EQ(sim().faults().size(), 1u);
    EXPECT_NE(sim().faults()[0].find("TASK_STAND_STILL given ped 4242"), std::string::npos);
    call("TASK_STAND_STILL", 0, 1000);
    EXPECT_EQ(sim().faults().size(), 2u) << "ped 0 only records into an open sequence";
    call("GET_ENTITY_HEADING", 0);
    EXPECT_EQ(sim().faults().size(), 2u) << "an entity query with 0 is traced, not a fault";
}

TEST_F(PedTasks, MinusOneInAFloatSlotIsAFault) {
    const int32_t ped = spawnPed("G_M_M_UniCriminals_01", {0, 0, 0});
    // The final heading pushed as the integer -1 where the game reads a float.
    call("TASK_FOLLOW_NAV_MESH_TO_COORD", ped, 1.0f, 0.0f, 0.0f, 1.0f, -1, 0.5f, 0, -1);
    ASSERT_EQ(sim().faults().size(), 1u);
    EXPECT_NE(sim().faults()[0].find("argument 8 is a float"), std::string::npos);
}

TEST_F(PedTasks, PoolsHoldSixtyFourAndTakeBackWhatIsGivenBack) {
    std::vector<int32_t> seqs, sets, groups;
    for (int i = 0; i < 64; ++i) {
        int32_t seq = 0;
        call("OPEN_SEQUENCE_TASK", &seq);
        call("CLOSE_SEQUENCE_TASK", seq);
        seqs.push_back(seq);
        sets.push_back(callInt("CREATE_ITEMSET", true));
        groups.push_back(callInt("CREATE_GROUP", 0));
    }
    for (size_t i = 0; i < 64; ++i) {
        EXPECT_NE(seqs[i], 0);
        EXPECT_NE(sets[i], 0);
        EXPECT_NE(groups[i], 0);
    }
    EXPECT_TRUE(
        holds("expect pool sequences 64\nexpect pool itemsets 64\nexpect pool groups 64\n"));
    int32_t full = -1;
    call("OPEN_SEQUENCE_TASK", &full);
    EXPECT_EQ(full, 0) << "a 65th sequence cannot be opened";
    call("CLOSE_SEQUENCE_TASK", full);
    EXPECT_EQ(callInt("CREATE_ITEMSET", true), 0);
    EXPECT_EQ(callInt("CREATE_GROUP", 0), 0);

    call("CLEAR_SEQUENCE_TASK", &seqs[0]);
    call("DESTROY_ITEMSET", sets[0]);
    call("REMOVE_GROUP", groups[0]);
    EXPECT_TRUE(
        holds("expect pool sequences 63\nexpect pool itemsets 63\nexpect pool groups 63\n"));
    int32_t again = 0;
    call("OPEN_SEQUENCE_TASK", &again);
    EXPECT_NE(again, 0);
    EXPECT_NE(callInt("CREATE_ITEMSET", true), 0);
    EXPECT_NE(callInt("CREATE_GROUP", 0), 0);
}

TEST_F(PedTasks, AnItemSetListsThePedsFightingATarget) {
    play("player at 0 0 0\nenemy G_M_M_UniCriminals_01 10 0 0\n"
         "enemy G_M_M_UniCriminals_01 0 10 0\n");
    const int32_t set = callInt("CREATE_ITEMSET", true);
    EXPECT_EQ(callInt("_GET_PEDS_IN_COMBAT_WITH_TARGET", world().player.ped, set, 0), 2);
    EXPECT_EQ(callInt("GET_ITEMSET_SIZE", set), 2);
    const int32_t first = callInt("GET_INDEXED_ITEM_IN_ITEMSET", 0, set);
    EXPECT_EQ(world().entities.at(first).model, sim::GameHash("G_M_M_UniCriminals_01"));
    EXPECT_TRUE(call("IS_PED_IN_COMBAT", world().player.ped, 0)) << "the enemies fight him";
    call("DESTROY_ITEMSET", set);
    EXPECT_TRUE(holds("expect pool itemsets 0\n"));
}
