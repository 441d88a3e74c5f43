// The camp session hands its own objects to the bridge: an item taken from the player shows
// in the session's transaction feed, the debug tools draw with the kit, and a tutorial reads
// the session's data files.
#include "camp/CampSession.h"
#include "Hash.h"
#include "core/natives/Inventory.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::GameFolderTest;

namespace {

struct CampSessionTest : GameFolderTest {
    CampSession session;
};

} // namespace

TEST_F(CampSessionTest, AnItemTakenFromThePlayerShowsANegativeTransaction) {
    game.world().player.items[sim::GameHash("consumable_apple")] = 3;
    RefreshPlayerPed();
    RemoveItem(PlayerPed(), HashString("consumable_apple"), 2, "inventory_items", 0,
               session.debugTools(), &session.notifications());
    const auto& feed = game.world().screen.feed;
    ASSERT_EQ(feed.size(), 1u);
    EXPECT_EQ(feed[0].kind, sim::FeedEntry::Kind::Transaction);
    EXPECT_EQ(feed[0].sound, "Transaction_Negative");
    EXPECT_EQ(feed[0].dictionary, "inventory_items");
    EXPECT_EQ(feed[0].icon, sim::GameHash("consumable_apple")) << "the item stands for its icon";
    EXPECT_EQ(game.world().player.items[sim::GameHash("consumable_apple")], 1);
}

TEST_F(CampSessionTest, TheDebugToolsTextIsDrawnByTheKit) {
    session.debugTools().drawText("loading script@campfire");
    const auto& texts = game.world().screen.texts;
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "loading script@campfire");
    EXPECT_EQ(texts[0].font, "$title");
}

TEST_F(CampSessionTest, ATutorialShowsTheTextOfTheSessionsLanguageFile) {
    for (const char* name : {"GeneralMeta.dat", "AI.dat", "Savegame.dat", "TutorialFlags.dat"})
        WriteFile(std::string("Corvale/") + name, "");
    WriteFile("Corvale/Lang.dat", "tutorial.kickoff=Cook your first batch.\n");
    ASSERT_TRUE(session.data().loadFiles());
    session.tutorials().trigger("kickoff", false);
    session.flushPendingTexts();
    const auto& help = game.world().screen.helpTexts;
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, "Cook your first batch.");
    EXPECT_TRUE(session.data().tutorialFlagsFile()->getBool("kickoff"));
}
