// The rules of any play, checked after every frame of a chaos run or of a scenario that says
// `rules on`: each is broken by what it forbids, in the frame it happens, and holds through
// what a sound game does. Most are played in a world without plug-ins, where the test does
// what a faulty plug-in would; the last plays the real ones through a sound story.
#include "CampWorld.h"
#include "Hash.h"
#include "chaos/Rules.h"
#include "core/natives/Script.h"
#include "support/BuiltPlugins.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using sim::chaos::BrokenRule;
using sim::chaos::Rules;

// Far from every camp place, rival camp and the jail.
const char* const kAwayFromEverything = "player at 2700 2300 100\n";

// Turns the rules on in a run and keeps what they report in seen.
void WatchRules(sim::ScenarioRun& run, std::vector<BrokenRule>& seen) {
    seen.clear();
    run.rulesOn(sim::Command{"test.scn", 1, {"rules", "on"}, {}});
    run.rules()->onBreak = [&seen](const BrokenRule& b) { seen.push_back(b); };
}

struct ChaosRules : corvale::testing::CampWorld {
    void SetUp() override {
        CampWorld::SetUp();
        WatchRules(*run, seen_);
        broken = &seen_;
        fs::create_directories(run->gamePath("Corvale"));
    }
    // The names of the rules broken so far, in order.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const BrokenRule& b : *broken)
            out.push_back(b.rule);
        return out;
    }
    void write(const std::string& relative, const std::string& text, bool append = false) {
        std::ofstream out(run->gamePath(relative), append ? std::ios::app : std::ios::trunc);
        out << text;
    }
    // A save as the plug-ins write one: a new file moved over the old. when, if given, is
    // the file clock's time left on it, as if written in the same tick as before.
    void save(const std::string& relative, const std::string& text,
              const fs::file_time_type* when = nullptr) {
        write(relative + ".new", text);
        fs::rename(run->gamePath(relative + ".new"), run->gamePath(relative));
        if (when) fs::last_write_time(run->gamePath(relative), *when);
    }
    // The still menu as the business plug-in announces it, or a mission as the camp does.
    void pluginSends(const char* event, const char* sender = "business") {
        sim::SentEvent e;
        e.frame = world().frame;
        e.sender = sender;
        e.size = 1;
        e.words = {static_cast<int32_t>(sim::GameHash(event)), 0};
        world().events.sent.push_back(e);
    }
    // A frame of a plug-in's script as the scheduler records it.
    void scriptFrame(const char* script, uint64_t natives, uint64_t allocs = 0) {
        sim().figures().addFrame(script, sim::FrameFigures{natives, allocs, 0, 0});
    }
    // A fresh run whose player has been away from everything for two minutes.
    void awayAgain() {
        TearDown();
        SetUp();
        play(kAwayFromEverything);
        run->runSeconds(121);
    }
    std::vector<BrokenRule> seen_;
    std::vector<BrokenRule>* broken = nullptr;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(ChaosRules, AProtocolFaultBreaksItsRuleInTheFrameItHappensAndIsReportedOnce) {
    frames(5);
    EXPECT_EQ(names(), Names{});
    sim().fault("GET_ENTITY_COORDS takes 2 arguments, 1 pushed");
    frames(1);
    ASSERT_EQ(names(), Names{"protocol-fault"});
    EXPECT_EQ(broken->front().frame, world().frame);
    EXPECT_NE(broken->front().what.find("GET_ENTITY_COORDS"), std::string::npos);
    sim().fault("another");
    frames(3);
    EXPECT_EQ(names(), Names{"protocol-fault"});
}

TEST_F(ChaosRules, AContainedExceptionIsFoundOnScreenOrInTheLog) {
    world().messages.push_back("Fatality averted"); // not the plug-ins' "Fatal: " message
    write("Corvale/Camp.log", "CampManager: camp set created\n");
    frames(31);
    EXPECT_EQ(names(), Names{});
    write("Corvale/Camp.log", "CampManager: Something wrong happened: bad_alloc\n", true);
    frames(31);
    ASSERT_EQ(names(), Names{"contained-exception"});
    EXPECT_NE(broken->front().what.find("bad_alloc"), std::string::npos);

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    world().messages.push_back("Fatal: std::out_of_range");
    frames(1);
    EXPECT_EQ(names(), Names{"contained-exception"});
}

namespace {

// Waits in steps of 100 ms from deeper down the stack than the main loop, for ms of game time.
[[gnu::noinline]] void WaitInsideTheFrame(const sim::World& w, int32_t ms) {
    volatile char deeper[256] = {};
    const int32_t until = w.gameTimer + ms + deeper[0];
    while (w.gameTimer < until)
        corvale::ScriptWait(100);
}

} // namespace

TEST_F(ChaosRules, AFrameBlockedInTheScriptsOwnWaitsForOverTenSecondsBreaksTheRule) {
    int32_t hold = 0;
    const sim::World& w = world();
    corvale::testing::StartScript(sim(), [&hold, &w] {
        for (;;) {
            corvale::ScriptWait(0);
            const int32_t ms = hold;
            hold = 0;
            if (ms) WaitInsideTheFrame(w, ms);
        }
    });
    frames(3);
    hold = 9800;
    run->runSeconds(12);
    EXPECT_EQ(names(), Names{}) << "a frame of 9.8 s is slow, not blocked";
    hold = 10500;
    run->runSeconds(12);
    ASSERT_EQ(names(), Names{"blocked-frame"});
    EXPECT_NE(broken->front().what.find("unknown"), std::string::npos) << "names the script";
}

TEST_F(ChaosRules, OwnedPedsAndBlipsAreCountedToTheirLimitsAndAFullPoolBreaksItsRule) {
    const uint32_t guard = sim::GameHash("a_m_m_htlroughtravellers_01");
    auto owned = [&](int n) {
        std::vector<int32_t> handles;
        for (int i = 0; i < n; ++i) {
            handles.push_back(world().spawn(sim::EntityKind::Ped, guard, {}, 0));
            world().entity(handles.back())->byPlugin = true;
        }
        return handles;
    };
    owned(300);
    // Neither a dead one, nor one handed back to the game, nor one of the game's own counts.
    world().entity(owned(1)[0])->alive = false;
    world().entityStates.of[owned(1)[0]].released = true;
    world().spawn(sim::EntityKind::Ped, guard, {}, 0);
    for (int i = 0; i < 100; ++i)
        world().blips.all[0x50000 + i] = sim::Blip{};
    frames(2);
    EXPECT_EQ(names(), Names{});

    owned(1);
    frames(1);
    EXPECT_EQ(names(), Names{"owned-peds"});
    world().blips.all[0x60000] = sim::Blip{};
    frames(1);
    EXPECT_EQ(names(), (Names{"owned-peds", "blips"}));
    world().pools.refused = 1;
    frames(1);
    EXPECT_EQ(names(), (Names{"owned-peds", "blips", "pool-full"}));
}

TEST_F(ChaosRules, AwayFromEverythingForTwoMinutesOnlyTheCampItsCookAndTheWagonStayOwned) {
    play(kAwayFromEverything);
    const sim::Vec3 camp{2100, 2300, 100}; // a camp set that stayed behind, 600 m off
    world().propSets.all[1] =
        sim::PropSetInstance{sim::GameHash("pg_re_moonshinecampgroup02x"), camp, 0, {}, false};
    auto owned = [&](const char* model, sim::Vec3 at, sim::EntityKind kind) {
        const int32_t h = world().spawn(kind, sim::GameHash(model), at, 0);
        world().entity(h)->byPlugin = true;
        return h;
    };
    owned("a_m_m_htlroughtravellers_01", {2140, 2300, 100}, sim::EntityKind::Ped); // a guard
    owned("a_m_m_moonshiners_01", {0, 0, 0}, sim::EntityKind::Ped);                 // the cook
    owned("WAGON05X", {-900, -900, 40}, sim::EntityKind::Vehicle);
    owned("p_bottlecrate02x", {-890, -900, 40}, sim::EntityKind::Object); // on the wagon
    const int32_t left = owned("s_m_m_valdeputy_01", {2700, 2310, 100}, sim::EntityKind::Ped);
    world().entityStates.of[left].released = true;
    run->runSeconds(150);
    EXPECT_EQ(names(), Names{});

    // A rider the plug-in forgot, where the player has been all along.
    const int32_t rider = owned("G_M_M_UniCriminals_01", {2700, 2320, 100}, sim::EntityKind::Ped);
    frames(1);
    ASSERT_EQ(names(), Names{"owned-away"});
    EXPECT_NE(broken->front().what.find("#" + std::to_string(rider)), std::string::npos);
}

TEST_F(ChaosRules, TheAwayClockStartsAfreshNearABlipAndAfterAnOutsideEvent) {
    play(kAwayFromEverything);
    const int32_t rider = world().spawn(sim::EntityKind::Ped, sim::GameHash("G_M_M_UniCriminals_01"),
                                        {2700, 2320, 100}, 0);
    world().entity(rider)->byPlugin = true;
    sim::Blip buyer;
    buyer.point = {2900, 2300, 100};
    world().blips.all[0x50000] = buyer;
    run->runSeconds(150);
    EXPECT_EQ(names(), Names{}) << "a blip 200 m off: he is on his way somewhere";
    world().blips.all.clear();
    run->runSeconds(100);
    play("event OTHERMOD_PING 1\n");
    run->runSeconds(100);
    EXPECT_EQ(names(), Names{}) << "another mod's event: the plug-ins may act on it";
    run->runSeconds(25);
    EXPECT_EQ(names(), Names{"owned-away"});
}

TEST_F(ChaosRules, TheBudgetsHoldAwayInTheMenuAndInAPressEachToItsOwn) {
    const sim::chaos::Budgets budgets;
    play(kAwayFromEverything);
    run->runSeconds(121);
    scriptFrame("camp", budgets.idleCampNatives);
    scriptFrame("business", budgets.idleBusinessNatives);
    frames(1);
    EXPECT_EQ(names(), Names{});
    scriptFrame("business", budgets.idleBusinessNatives + 1);
    frames(1);
    EXPECT_EQ(names(), Names{"budget-idle"});

    // The cook's rescue offered while he is away: the frame that begins it is no idle one,
    // but the mission's own frames after it are.
    awayAgain();
    pluginSends("CORVALE_MISSION_ACCEPTED", "camp");
    scriptFrame("camp", 44, 3);
    frames(1);
    EXPECT_EQ(names(), Names{});
    run->runSeconds(3);
    scriptFrame("camp", budgets.idleCampNatives + 1);
    frames(1);
    EXPECT_EQ(names(), Names{"budget-idle"});

    // The statistics worn down while he is away: the camp announces them, hears them in its
    // next frame and logs them, which is no idle frame either.
    awayAgain();
    pluginSends("CORVALE_INFLUENCE_SET", "camp");
    frames(1);
    scriptFrame("camp", 38);
    frames(1);
    EXPECT_EQ(names(), Names{});

    // The batch filled while he is away: the still's toast says so, no idle frame either.
    awayAgain();
    world().screen.toasts.push_back(sim::Toast{});
    scriptFrame("business", budgets.idleBusinessNatives + 2);
    frames(1);
    EXPECT_EQ(names(), Names{});

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    pluginSends("CORVALE_MENU_OPEN");
    frames(4);
    scriptFrame("business", budgets.menuBusinessNatives);
    frames(1);
    play("control INPUT_FRONTEND_ACCEPT\n");
    scriptFrame("business", budgets.menuPressBusinessNatives); // the press's frame
    frames(1);
    scriptFrame("business", budgets.menuPressBusinessNatives); // the next page's first
    frames(1);
    EXPECT_EQ(names(), Names{});
    scriptFrame("business", budgets.menuBusinessNatives + 1);
    frames(1);
    ASSERT_EQ(names(), Names{"budget-menu"});
    EXPECT_EQ(broken->back().what.find("in a press"), std::string::npos);

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    pluginSends("CORVALE_MENU_OPEN");
    frames(4);
    play("control INPUT_FRONTEND_ACCEPT\n");
    scriptFrame("business", budgets.menuPressBusinessNatives + 1);
    frames(1);
    ASSERT_EQ(names(), Names{"budget-menu"});
    EXPECT_NE(broken->back().what.find("in a press"), std::string::npos);

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    pluginSends("CORVALE_MENU_OPEN");
    frames(4);
    play("control INPUT_FRONTEND_ACCEPT\n");
    scriptFrame("business", 20, 1);
    frames(1);
    EXPECT_EQ(names(), Names{"budget-menu"}) << "a press allocates no more than a page";
    pluginSends("CORVALE_MENU_CLOSED");
}

TEST_F(ChaosRules, TheStillMenuLeftOpenOnADeadOrArrestedPlayerBreaksTheRule) {
    pluginSends("CORVALE_MENU_OPEN");
    frames(3);
    pluginSends("CORVALE_MENU_CLOSED");
    play("player dead on\nseconds 3\nplayer dead off\n");
    EXPECT_EQ(names(), Names{}) << "closed before he died";
    pluginSends("CORVALE_MENU_OPEN");
    play("player dead on\nframes 20\n");
    EXPECT_EQ(names(), Names{}) << "the menu may take a moment to close";
    play("seconds 1\n");
    ASSERT_EQ(names(), Names{"menu-taken-away"});
    EXPECT_NE(broken->front().what.find("died"), std::string::npos);

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    pluginSends("CORVALE_MENU_OPEN");
    play("player arrested on\nseconds 2\n");
    ASSERT_EQ(names(), Names{"menu-taken-away"});
    EXPECT_NE(broken->front().what.find("arrested"), std::string::npos);
}

TEST_F(ChaosRules, EverySaveFileLoadsBackWholeAfterEveryWrite) {
    struct Case {
        const char* file;
        const char* text;
        const char* fault; // "" for a whole file
    };
    const Case cases[] = {
        {"Corvale/Savegame.dat", "operation.location=2025841068\nmission_flags.cook=1\n", ""},
        {"Corvale/Savegame.dat", "operation.location=2025841068\nmission_flags.co", "cut off"},
        {"Corvale/Savegame.dat", "operation.location=\n", "line 1 is not key=value"},
        {"Corvale/Savegame2.dat", "50 1 0 90 0\n", ""},
        {"Corvale/Savegame2.dat", "50 1 0 90\n", "fewer than five"},
        {"Corvale/Savegame2.dat", "50 1 0 90 0 7\n", "more than five"},
        {"Corvale/TutorialFlags.dat", "tutorial.still=1\n", ""},
    };
    for (const Case& c : cases) {
        ChaosRules::TearDown();
        ChaosRules::SetUp();
        frames(1);
        save(c.file, c.text);
        frames(1);
        if (!*c.fault) {
            EXPECT_EQ(names(), Names{}) << c.file << ": " << c.text;
            continue;
        }
        ASSERT_EQ(names(), Names{"save-whole"}) << c.file << ": " << c.text;
        EXPECT_NE(broken->front().what.find(c.fault), std::string::npos) << broken->front().what;
    }
    // A save the plug-in had written is gone.
    fs::remove(run->gamePath("Corvale/TutorialFlags.dat"));
    frames(31);
    ASSERT_EQ(names(), Names{"save-whole"});
    EXPECT_NE(broken->front().what.find("is gone"), std::string::npos);
}

TEST_F(ChaosRules, AfterARestartTheCampHerbsAndBatchAreWhatWasSaved) {
    const std::string camp = "operation.location=2025841068\noperation.herbs_pending=1\n";
    save("Corvale/Savegame.dat", camp);
    save("Corvale/Savegame2.dat", "50 1 0 90 0\n");
    frames(31);
    play("restart\n");
    save("Corvale/Savegame2.dat", "50 1 0 90 0\n");
    save("Corvale/Savegame.dat", camp + "operation.stats.influence=0.2\n");
    frames(31);
    EXPECT_EQ(names(), Names{}) << "written back as saved, with more beside";
    world().blips.all[0x50000].name = "Moonshine Camp";
    world().blips.all[0x50000].point = {1746, -1170, 40};
    run->runSeconds(11);
    EXPECT_EQ(names(), Names{}) << "the camp's blip stands at the saved place";

    play("restart\n");
    save("Corvale/Savegame2.dat", "0 0 0 0 0\n");
    frames(31);
    ASSERT_EQ(names(), Names{"restart-kept"});
    EXPECT_NE(broken->front().what.find("batch"), std::string::npos) << broken->front().what;

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    save("Corvale/Savegame.dat", camp);
    frames(31);
    play("restart\n");
    save("Corvale/Savegame.dat", "operation.location=1684533001\noperation.herbs_pending=1\n");
    frames(31);
    ASSERT_EQ(names(), Names{"restart-kept"});
    EXPECT_NE(broken->front().what.find("operation.location"), std::string::npos);

    ChaosRules::TearDown();
    ChaosRules::SetUp();
    save("Corvale/Savegame.dat", camp);
    frames(31);
    play("restart\nseconds 11\n");
    ASSERT_EQ(names(), Names{"restart-kept"});
    EXPECT_NE(broken->front().what.find("no camp blip"), std::string::npos);

    // Moved to Tall Trees right after the restart: the new place is saved and its blip
    // stands there. Any other place is still a save lost.
    for (const char* written : {"1684533001", "-2066240242"}) {
        ChaosRules::TearDown();
        ChaosRules::SetUp();
        save("Corvale/Savegame.dat", camp);
        frames(31);
        play("restart\nevent CORVALE_CAMP_LOCATION_CHANGED 1684533001 1\n");
        save("Corvale/Savegame.dat",
             std::string("operation.location=") + written + "\noperation.herbs_pending=1\n");
        world().blips.all[0x50000].name = "Moonshine Camp";
        world().blips.all[0x50000].point = {-1998, -1340, 117};
        run->runSeconds(11);
        if (written[0] == '1') {
            EXPECT_EQ(names(), Names{}) << (broken->empty() ? "" : broken->front().what);
        } else {
            ASSERT_EQ(names(), Names{"restart-kept"});
            EXPECT_NE(broken->front().what.find("-2066240242"), std::string::npos);
        }
    }
}

// The restarted game writes its batch back with the same bytes in the same tick of the file
// clock, then brews on: the first write is the one judged, and the batch came back.
TEST_F(ChaosRules, AWriteWithTheSameBytesInTheSameClockTickIsStillTheFirstAfterARestart) {
    const std::string batch = "Corvale/Savegame2.dat";
    save(batch, "50 1 0 90 0 \n");
    frames(31);
    const fs::file_time_type tick = fs::last_write_time(run->gamePath(batch));
    play("restart\n");
    save(batch, "50 1 0 90 0 \n", &tick);
    frames(1);
    save(batch, "47.5 1 0 92.5 0 \n", &tick);
    frames(31);
    EXPECT_EQ(names(), Names{}) << (broken->empty() ? "" : broken->front().what);

    // Written back wrong in the same way: seen all the same.
    play("restart\n");
    save(batch, "0 0 0 0 0 \n", &tick);
    frames(1);
    ASSERT_EQ(names(), Names{"restart-kept"});
    EXPECT_NE(broken->front().what.find("47.5 1 0 92.5 0"), std::string::npos)
        << broken->front().what;
}

// The real plug-ins through a sound story at the camp: the player away for minutes, at the
// still menu on every page, mash bought and a flavour chosen, and the menu left by his death.
TEST(ChaosRulesKept, TheRealPlugInsKeepEveryRuleAtTheStillAndAway) {
    std::vector<BrokenRule> broken;
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    WatchRules(run, broken);
    const int code = run.run(sim::ParseScenarioText(
        "file Corvale/Savegame.dat <<END\n"
        "operation.location=2025841068\n"
        "mission_flags.cook=1\n"
        "END\n"
        "plugins both\n"
        "player cash 20000\n"
        "player item consumable_apple 1\n"
        "player item consumable_herb_ginseng 1\n"
        "player item consumable_herb_currant 1\n"
        "player at 2700 2300 100\n"
        "seconds 150\n"
        "player at 1746.93 -1160 40.81\n"
        "seconds 10\n"
        "player to-entity p_journal_open01x\n"
        "until prompt \"Run the Still\" visible within 5\n"
        "prompt \"Run the Still\"\n"
        "frames 30\n"
        "prompt \"Select\"\n"
        "frames 30\n"
        "prompt \"Select\"\n"
        "frames 30\n"
        "expect cash 18500\n"
        "control INPUT_FRONTEND_DOWN\n"
        "frames 2\n"
        "prompt \"Select\"\n"
        "until text \"Apple\" within 2\n"
        "frames 30\n"
        "prompt \"Select\"\n"
        "frames 30\n"
        "expect events CORVALE_MENU_FLAVOUR_SET 1\n"
        "player dead on\n"
        "seconds 3\n"
        "player dead off\n"
        "expect events CORVALE_MENU_CLOSED 1\n"
        "expect no-fault\n",
        "sound.scn"));
    EXPECT_EQ(code, 0);
    for (const BrokenRule& b : broken)
        ADD_FAILURE() << b.rule << " broken at frame " << b.frame << ": " << b.what;
}
