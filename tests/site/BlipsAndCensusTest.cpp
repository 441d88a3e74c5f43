// The blip helpers the whole camp plug-in marks the map with, and the census of the natives
// the camp set and the selector call: every one declared with the argument count of the
// game's native list.
#include "SiteWorld.h"
#include "core/natives/Entity.h"
#include "core/natives/Objects.h"
#include "core/natives/Strings.h"
#include "site/Blips.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace corvale;

namespace {

using BlipHelpersTest = corvale::testing::SiteWorldTest;
using SiteCensusTest = corvale::testing::SiteWorldTest;

} // namespace

TEST_F(BlipHelpersTest, AnAreaBlipCarriesItsRadiusSpriteAndName) {
    Blip area = 0;
    ASSERT_TRUE(inScript([&] {
        area = BlipForArea(Vector3{10, 20, 0}, 35.0f, HashString("BLIP_STYLE_AREA"),
                           HashString("blip_ambient_hitching_post"));
        SetBlipName(area, "Rival camp");
    }));
    const sim::Blip* b = world().blips.find(area);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->kind, sim::BlipKind::Radius);
    EXPECT_EQ(b->radius, 35.0f);
    EXPECT_EQ(b->sprite, sim::GameHash("blip_ambient_hitching_post"));
    EXPECT_EQ(b->name, "Rival camp");
}

TEST_F(BlipHelpersTest, NothingToMarkMakesNoBlipAndAGoneBlipIsForgotten) {
    Blip none = -1, onCrate = 0;
    ASSERT_TRUE(inScript([&] {
        none = BlipForEntity(0, HashString("BLIP_STYLE_ENEMY"), 0);
        Object crate = SpawnObject("p_bottlecrate02x", Vector3{1, 1, 0}, 0, true, true);
        onCrate = BlipForEntity(crate, HashString("BLIP_STYLE_ENEMY"), 0);
        DeleteEntity(crate); // the blip goes with it
        RemoveBlip(&onCrate);
    }));
    EXPECT_EQ(none, 0) << "a spawn that gave up is not blipped";
    EXPECT_EQ(onCrate, 0);
    EXPECT_EQ(blips(), 0u);
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(SiteCensusTest, EveryNativeOfTheCampSetAndSelectorIsCalledWithTheGamesArgumentCount) {
    ASSERT_TRUE(inScript([this] {
        camp->setLocation(FindCampLocation(1684533001));
        camp->build(HashString("pg_re_moonshinecampgroup02x"));
        camp->spawnCook(true);
        camp->ensureStillBlip();
        camp->findLedger();
        camp->removeStillBlip();
        selector->open();
    }));
    frames(40);
    ASSERT_TRUE(inScript([this] {
        selector->close();
        camp->remove();
    }));
    const std::set<std::string> expected = {
        // camp set
        "CLEAR_AREA", "DOES_PROP_SET_EXIST", "_DELETE_PROP_SET", "GET_CLOSEST_OBJECT_OF_TYPE",
        "DOES_ENTITY_EXIST", "DELETE_ENTITY", "PLACE_OBJECT_ON_GROUND_PROPERLY",
        "_SET_PED_PROMPT_NAME", "_EQUIP_META_PED_OUTFIT_PRESET", "_APPLY_SHOP_ITEM_TO_PED",
        "SET_PED_CONFIG_FLAG", "SET_ENTITY_HEALTH", "SET_ENTITY_PROOFS",
        "SET_PED_COMBAT_ATTRIBUTES", "SET_PED_ACCURACY", "SET_PED_RELATIONSHIP_GROUP_HASH",
        "SET_AMBIENT_VOICE_NAME",
        // blips
        "BLIP_ADD_FOR_COORDS", "BLIP_ADD_FOR_ENTITY", "SET_BLIP_SPRITE", "_SET_BLIP_NAME",
        "DOES_BLIP_EXIST", "REMOVE_BLIP",
        // selector
        "_TASK_ITEM_INTERACTION_2", "GET_ITEM_INTERACTION_STATE", "_SET_ITEM_INTERACTION_STATE",
        "SET_ENTITY_VISIBLE", "DISPLAY_RADAR", "DISABLE_CONTROL_ACTION",
        "_ENABLE_HUD_CONTEXT_THIS_FRAME", "VAR_STRING"};
    std::set<std::string> seen;
    for (const auto& [hash, entry] : h.sim().figures().census()) {
        const sim::NativeSpec* spec = h.sim().natives().find(hash);
        ASSERT_NE(spec, nullptr);
        seen.insert(spec->name);
        if (!spec->variadic) {
            EXPECT_EQ(entry.args, spec->argc) << spec->name;
        }
    }
    for (const std::string& name : expected)
        EXPECT_EQ(seen.count(name), 1u) << name << " was not called";
    EXPECT_TRUE(h.sim().faults().empty());
}
