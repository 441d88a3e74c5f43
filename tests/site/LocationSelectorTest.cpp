// Stories of the map on which the player picks where the camp goes, played in the simulator
// as the camp manager will drive the selector: opened, ticked every frame, closed.
#include "SiteWorld.h"
#include "Snapshot.h"
#include "core/events/EventNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace corvale;

namespace {

constexpr int32_t kTallTrees = 1684533001;
constexpr int32_t kCholla = -108848014;
constexpr int32_t kBayouNwa = 2025841068;
constexpr const char* kMap = "mp006_p_mnshine_hideout_map01x";

struct LocationSelectorTest : corvale::testing::SiteWorldTest {
    // Opens the selector and runs frames until the map is held up and the list drawn.
    void openAndShow() {
        ASSERT_TRUE(inScript([this] { selector->open(); }));
        for (int i = 0; i < 60 && selector->phase() != CampLocationSelector::Phase::Shown; ++i)
            frames(1);
        ASSERT_EQ(selector->phase(), CampLocationSelector::Phase::Shown);
        // The picture dictionary loads a few frames after it was asked for.
        for (int i = 0; i < 30 && labels().empty(); ++i)
            frames(1);
    }
    // The entry labels drawn this frame, top to bottom.
    std::vector<std::string> labels() {
        std::vector<const sim::DrawnText*> body;
        for (const sim::DrawnText& t : world().screen.texts)
            if (t.font == "$body") body.push_back(&t);
        std::sort(body.begin(), body.end(), [](auto* a, auto* b) { return a->y < b->y; });
        std::vector<std::string> out;
        for (const sim::DrawnText* t : body)
            out.push_back(t->text);
        return out;
    }
    bool drawn(const std::string& text) {
        for (const sim::DrawnText& t : world().screen.texts)
            if (t.text == text) return true;
        return false;
    }
    const sim::DrawnSprite* sprite(const std::string& texture) {
        for (const sim::DrawnSprite& s : world().screen.sprites)
            if (s.texture == texture) return &s;
        return nullptr;
    }
    int sentChanges() {
        return static_cast<int>(std::count_if(
            world().events.sent.begin(), world().events.sent.end(),
            [](const sim::SentEvent& e) { return e.name == events::kCampLocationChanged; }));
    }
};

} // namespace

TEST_F(LocationSelectorTest,
       AtBayouNwaTheMapListsTheSevenPlacesWithBayouNwaTickedAndTallTreesSelected) {
    camp->setLocation(FindCampLocation(kBayouNwa));
    openAndShow();
    EXPECT_EQ(labels(),
              (std::vector<std::string>{"Tall Trees", "Cholla Springs", "Heartlands", "Bayou Nwa",
                                        "Grizzlies West", "Big Valley", "Gaptooth Ridge"}));
    const MenuInput* bayou = selector->list().itemAt(3);
    EXPECT_TRUE(bayou->ticked());
    EXPECT_TRUE(bayou->disabled()) << "the camp is there already";
    EXPECT_EQ(selector->list().selectedIndex(), 0);
    const sim::DrawnSprite* tick = sprite("tick");
    ASSERT_NE(tick, nullptr);
    EXPECT_NEAR(tick->y, bayou->y + bayou->margin, 1e-4) << "the tick sits on Bayou Nwa's row";
    EXPECT_TRUE(drawn("Camp Locations"));
    EXPECT_TRUE(drawn("Moving Fee"));
    EXPECT_TRUE(drawn("$150.00"));
    ASSERT_NE(sprite("map_camp_location_tall_trees"), nullptr) << "the selected place's picture";
    EXPECT_FALSE(world().effects.radar);
    EXPECT_EQ(owned(kMap), 1u);

    const char* dir = std::getenv("CORVALE_SNAPSHOT_DIR");
    if (dir) sim::WriteSnapshot(std::string(dir) + "/location_selector.svg", world());
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(LocationSelectorTest, WithoutACampNothingIsTickedAndTheFirstPlaceIsSelected) {
    openAndShow();
    for (int i = 0; i < selector->list().count(); ++i)
        EXPECT_FALSE(selector->list().itemAt(i)->ticked());
    EXPECT_EQ(selector->list().selectedIndex(), 0);
    EXPECT_EQ(sprite("tick"), nullptr);
}

TEST_F(LocationSelectorTest, PickingSendsTheChangeAndTheMapStaysOutUntilTheSelectorIsClosed) {
    camp->setLocation(FindCampLocation(kTallTrees));
    openAndShow();
    ASSERT_EQ(selector->list().selectedIndex(), 1) << "Cholla Springs, below the ticked Tall Trees";
    press("INPUT_FRONTEND_ACCEPT");
    frames(2);
    ASSERT_EQ(sentChanges(), 1);
    const sim::SentEvent& change = world().events.sent.back();
    EXPECT_EQ(change.size, 3);
    EXPECT_EQ(change.word(1), kCholla);
    EXPECT_EQ(change.word(2), 0) << "the fee is charged";

    frames(30);
    EXPECT_TRUE(selector->isOpen()) << "the camp manager closes it when it moves the camp";
    EXPECT_TRUE(drawn("Cholla Springs"));

    ASSERT_TRUE(inScript([this] { selector->close(); }));
    EXPECT_EQ(owned(kMap), 0u);
    EXPECT_EQ(present(kMap), 0u) << "the map is deleted, not left to the game";
    EXPECT_TRUE(world().effects.radar);
    EXPECT_FALSE(selector->list().itemAt(0)->ticked());
    frames(20);
    EXPECT_EQ(world().items.of.count(world().player.ped), 0u) << "the map was put away";
    EXPECT_TRUE(labels().empty());
}

TEST_F(LocationSelectorTest, AnInterruptedPlayerClosesTheSelectorAndTheMapIsDeleted) {
    openAndShow();
    interruptPlayer();
    frames(2);
    EXPECT_FALSE(selector->isOpen());
    EXPECT_EQ(owned(kMap), 0u);
    EXPECT_EQ(present(kMap), 0u);
    EXPECT_TRUE(world().effects.radar);
    EXPECT_TRUE(labels().empty());

    openAndShow();
    EXPECT_EQ(present(kMap), 1u) << "one map per opening, none left behind";
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(LocationSelectorTest, AMapThatIsNeverHeldUpIsPutAwayAfterFiveSeconds) {
    world().items.introFrames = 1000000;
    ASSERT_TRUE(inScript([this] { selector->open(); }));
    const int32_t started = world().gameTimer;
    while (world().gameTimer - started < 4400)
        frames(1);
    EXPECT_TRUE(selector->isOpen());
    EXPECT_EQ(logged("not held up"), 0u);
    while (world().gameTimer - started < 5100)
        frames(1);
    EXPECT_FALSE(selector->isOpen());
    EXPECT_EQ(logged("CampLocationSelector: the map was not held up within 5 s"), 1u);
    EXPECT_EQ(present(kMap), 0u);
    EXPECT_TRUE(world().effects.radar);

    frames(200);
    EXPECT_EQ(logged("not held up"), 1u) << "logged once, when it gave up";
}

TEST_F(LocationSelectorTest, AShownSelectorAllocatesNothingAndComposesNothingNewEachFrame) {
    camp->setLocation(FindCampLocation(kBayouNwa));
    openAndShow();
    frames(1);
    const size_t from = h.sim().figures().frames("unknown").size();
    frames(90);
    const auto& figures = h.sim().figures().frames("unknown");
    ASSERT_EQ(figures.size(), from + 90);
    for (size_t i = from; i < figures.size(); ++i)
        ASSERT_EQ(figures[i].allocs, 0u) << "frame " << i;
    EXPECT_TRUE(drawn("$150.00"));
}
