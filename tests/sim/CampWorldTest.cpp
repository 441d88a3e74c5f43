// The camp side's world as scenarios play it: wagons and their seats, blips that go with
// what they mark, the map in the player's hands, fades, the navigation mesh, frame budgets.
#include "CampWorld.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Script.h"
#include "host/HostApi.h"

using corvale::testing::CampWorld;

namespace {

// A script that reads the game timer three times a frame, and twenty times in its sixth.
uint64_t gGameTimer = 0;
void BusyInItsSixthFrame() {
    for (int frame = 1;; ++frame) {
        const int calls = frame == 6 ? 20 : 3;
        for (int i = 0; i < calls; ++i)
            corvale::Invoke<int32_t>(gGameTimer);
        corvale::ScriptWait(0);
    }
}

struct CampWorldTest : CampWorld {
    // A wagon created as a plug-in creates one, with a driver in its seat.
    int32_t wagonWithDriver(int32_t& driver) {
        const uint32_t model = loaded("WAGON05X");
        const int32_t wagon =
            callInt("CREATE_VEHICLE", model, 0.0f, 0.0f, 0.0f, 0.0f, true, true, false, true);
        driver = spawnPed("A_M_M_ValTownfolk_01", {3, 0, 0});
        call("TASK_ENTER_VEHICLE", driver, wagon, 20000, -1, 1.0f, 1, 0);
        frames(31); // a second to climb up
        return wagon;
    }
    // A text handle, as scripts name things.
    const char* name(const char* text) {
        return reinterpret_cast<const char*>(call("VAR_STRING", 10, "LITERAL_STRING", text));
    }
};

} // namespace

TEST_F(CampWorldTest, ASeatedPlayerMovesWithTheWagonItsHorsesInFront) {
    int32_t driver = 0;
    const int32_t wagon = wagonWithDriver(driver);
    ASSERT_NE(wagon, 0);
    EXPECT_TRUE(call("IS_PED_SITTING_IN_VEHICLE", driver, wagon));
    play("player at 5 5 0\nplayer seat WAGON05X\n");
    const int32_t player = world().player.ped;
    EXPECT_TRUE(call("IS_PED_SITTING_IN_VEHICLE", player, wagon)) << "beside the driver";
    EXPECT_FALSE(call("IS_PED_ON_FOOT", player));
    EXPECT_EQ(callInt("GET_VEHICLE_MAX_NUMBER_OF_PASSENGERS", wagon), 3);
    const int32_t horse = callInt("_GET_PED_IN_DRAFT_HARNESS", wagon, 0);
    ASSERT_NE(horse, 0);
    EXPECT_FALSE(call("IS_PED_HUMAN", horse));
    EXPECT_TRUE(holds("expect owned WAGON05X 1\nexpect owned all 1\n"))
        << "the game's draft horses are not the plug-in's";

    EXPECT_TRUE(call("IS_VEHICLE_STOPPED", wagon));
    call("TASK_VEHICLE_DRIVE_WANDER", driver, wagon, 5.0f, 0);
    frames(61); // two seconds at 5 m/s along heading 0 (+y)
    EXPECT_FALSE(call("IS_VEHICLE_STOPPED", wagon));
    EXPECT_NEAR(at(wagon).y, 61 * 0.033f * 5.0f, 0.01f);
    EXPECT_EQ(at(player).y, at(wagon).y);
    EXPECT_GT(at(horse).y, at(wagon).y) << "the horses pull from in front";
    EXPECT_TRUE(holds("player move 0 100 0\nexpect player near 0 110 0 1\n"))
        << "moving the player moves the wagon under him";
    EXPECT_NEAR(at(wagon).y, 110.0f, 1.0f);

    play("destroy WAGON05X\n");
    EXPECT_FALSE(call("IS_VEHICLE_DRIVEABLE", wagon, true, true));
    frames(1);
    EXPECT_TRUE(call("IS_VEHICLE_STOPPED", wagon));
    play("player seat off\n");
    EXPECT_TRUE(call("IS_PED_ON_FOOT", player));
    EXPECT_TRUE(sim().faults().empty());
}

TEST_F(CampWorldTest, AnEntityBlipGoesWithItsEntityButNotWithARelease) {
    const uint32_t model = loaded("G_M_M_UniCriminals_01");
    int32_t rider = callInt("CREATE_PED", model, 1.0f, 2.0f, 3.0f, 0.0f, true, false, false, false);
    int32_t guard = callInt("CREATE_PED", model, 4.0f, 2.0f, 3.0f, 0.0f, true, false, false, false);
    int32_t riderBlip = callInt("BLIP_ADD_FOR_ENTITY", 0x318c617cu, rider);
    const int32_t guardBlip = callInt("BLIP_ADD_FOR_ENTITY", 0x318c617cu, guard);
    const int32_t spot = callInt("BLIP_ADD_FOR_RADIUS", 0x1857a152u, 0.0f, 60.0f, 0.0f, 40.0f);
    call("_SET_BLIP_NAME", spot, name("Delivery Point"));
    call("SET_BLIP_SPRITE", spot, 0xddfba6abu, false);
    EXPECT_TRUE(call("_DOES_ENTITY_HAVE_BLIP", rider));
    EXPECT_TRUE(holds("expect blips 3\nexpect blip \"Delivery Point\" 1\nexpect owned all 2\n"));

    call("DELETE_ENTITY", &rider);
    EXPECT_EQ(rider, 0);
    EXPECT_FALSE(call("DOES_BLIP_EXIST", riderBlip)) << "the blip went with the rider";
    call("SET_ENTITY_AS_NO_LONGER_NEEDED", &guard);
    EXPECT_TRUE(call("DOES_BLIP_EXIST", guardBlip)) << "released, the guard stays, and his blip";
    EXPECT_TRUE(holds("expect blips 2\nexpect owned all 0\n"));
    EXPECT_FALSE(holds("expect blips 1\n")) << "the leaked blip shows";

    EXPECT_TRUE(holds("player to-blip \"Delivery Point\" 10\nexpect player near 0 50 0 0.5\n"));
    call("REMOVE_BLIP", &riderBlip);
    EXPECT_EQ(riderBlip, 0);
    EXPECT_TRUE(sim().faults().empty());
    call("BLIP_ADD_FOR_ENTITY", 0x318c617cu, 4242);
    EXPECT_EQ(sim().faults().size(), 1u) << "a blip on nothing would crash the game";
}

TEST_F(CampWorldTest, TheMapComesOutIsHeldAndGoesAwayOrIsInterrupted) {
    const std::string clip = "DOCUMENT_INSPECT@Paper_W48-2_H32-2_FoldVerticalHorizontal";
    const uint32_t intro = sim::GameHash(clip + "_INTRO"), base = sim::GameHash(clip + "_BASE"),
                   outro = sim::GameHash(clip + "_OUTRO");
    const int32_t player = world().player.ped;
    auto takeOut = [&] {
        call("_TASK_ITEM_INTERACTION_2", player, sim::GameHash("OPERATION_LOCATIONS_MAP"), 0,
             sim::GameHash("PrimaryItem"), intro, 1, 0, -1.0f);
    };
    takeOut();
    EXPECT_TRUE(call("IS_PED_RUNNING_TASK_ITEM_INTERACTION", player));
    frames(9);
    EXPECT_EQ(static_cast<uint32_t>(call("GET_ITEM_INTERACTION_STATE", player)), intro);
    frames(1);
    EXPECT_EQ(static_cast<uint32_t>(call("GET_ITEM_INTERACTION_STATE", player)), base);
    frames(100);
    EXPECT_EQ(static_cast<uint32_t>(call("GET_ITEM_INTERACTION_STATE", player)), base)
        << "held until put away";
    call("_SET_ITEM_INTERACTION_STATE", player, outro, 0.0f);
    EXPECT_EQ(static_cast<uint32_t>(call("GET_ITEM_INTERACTION_STATE", player)), outro);
    frames(10);
    EXPECT_FALSE(call("IS_PED_RUNNING_TASK_ITEM_INTERACTION", player));

    takeOut();
    frames(12);
    play("player interrupt\n");
    EXPECT_FALSE(call("IS_PED_RUNNING_TASK_ITEM_INTERACTION", player));
    EXPECT_EQ(call("GET_ITEM_INTERACTION_STATE", player), 0u);
}

TEST_F(CampWorldTest, FadesHudRadarDoorsAndTheNavigationMeshAreWhatTheScenarioChecks) {
    call("DO_SCREEN_FADE_OUT", 500);
    EXPECT_FALSE(holds("expect screen clear\n")) << "fading is neither";
    frames(16);
    EXPECT_TRUE(holds("expect screen faded\n"));
    call("DO_SCREEN_FADE_IN", 10);
    frames(1);
    call("DISPLAY_HUD", false);
    call("DISPLAY_RADAR", false);
    call("DOOR_SYSTEM_SET_DOOR_STATE", 0x1a2b3c4du, 3);
    EXPECT_TRUE(holds("expect screen clear\nexpect hud off\nexpect radar off\n"
                      "expect door 0x1a2b3c4d 3\n"));

    // Far from the player a region loads a few frames after it is asked for; never, never.
    EXPECT_FALSE(call("IS_NAVMESH_LOADED_IN_AREA", 990.0f, 990.0f, 0.0f, 1010.0f, 1010.0f, 10.0f));
    call("ADD_NAVMESH_REQUIRED_REGION", 1000.0f, 1000.0f, 0.0f);
    frames(5);
    EXPECT_TRUE(call("IS_NAVMESH_LOADED_IN_AREA", 990.0f, 990.0f, 0.0f, 1010.0f, 1010.0f, 10.0f));
    play("navmesh never\nsafe-coords never\n");
    EXPECT_FALSE(call("IS_NAVMESH_LOADED_IN_AREA", 990.0f, 990.0f, 0.0f, 1010.0f, 1010.0f, 10.0f));
    float out[6] = {};
    EXPECT_FALSE(call("GET_SAFE_COORD_FOR_PED", 1.0f, 2.0f, 3.0f, true, out, 16));
}

TEST_F(CampWorldTest, SightStopsAtWallsAndShotsAreNoticedAround) {
    const int32_t guard = spawnPed("S_M_M_Unicorn_01", {0, 0, 0});
    play("player at 20 0 0\n");
    const int32_t player = world().player.ped;
    EXPECT_EQ(callInt("CAN_PED_SEE_ENTITY", guard, player, true, false), 1);
    play("wall 10 -5 10 5\n");
    EXPECT_EQ(callInt("CAN_PED_SEE_ENTITY", guard, player, true, false), 0);
    play("player impact 1 0 0\n");
    EXPECT_EQ(static_cast<uint32_t>(call("_EVENT_GET_RECENT_EVENT", guard, 0, 0)),
              sim::GameHash("EVENT_SHOT_FIRED_WHIZZED_BY"));
    EXPECT_EQ(callInt("_EVENT_GET_SOURCE_ENTITY_FROM_EVENT", guard,
                      sim::GameHash("EVENT_SHOT_FIRED"), 0, 0),
              player);
    frames(40);
    EXPECT_EQ(call("_EVENT_GET_RECENT_EVENT", guard, 0, 0), 0u) << "an event stays recent a second";
}

TEST_F(CampWorldTest, ExpectBudgetCatchesAFrameOverItsLimitAndMarkStartsANewWindow) {
    gGameTimer = hashOf("GET_GAME_TIMER");
    corvale::host::Install(corvale::host::PlatformHost());
    sim().hostScriptRegister(nullptr, BusyInItsSixthFrame);
    EXPECT_FALSE(holds("frames 10\nexpect budget unknown natives 5\n"));
    EXPECT_TRUE(holds("mark\nframes 10\nexpect budget unknown natives 3\n"));
}
