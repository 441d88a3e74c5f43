// Clint in his cell and the camp's cook are one man: both are dressed, toughened and given
// the gang's voice by the same calls in the game's order, the rescue putting its own steps
// between them.
#include "MissionStory.h"
#include "core/natives/Prompt.h"
#include "core/natives/Strings.h"
#include "missions/RescuedCook.h"
#include "site/SiteWorld.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using namespace corvale;

namespace {

// The natives that set a ped up, each call noted with its ped.
struct SetUpCalls {
    std::vector<std::pair<int32_t, std::string>> calls;

    void watch(sim::Simulator& sim) {
        for (const char* name :
             {"_SET_PED_PROMPT_NAME", "_EQUIP_META_PED_OUTFIT_PRESET", "_APPLY_SHOP_ITEM_TO_PED",
              "_SET_PED_IGNORE_DEAD_BODIES", "SET_PED_CONFIG_FLAG", "SET_ENTITY_HEALTH",
              "SET_ENTITY_PROOFS", "SET_PED_COMBAT_ATTRIBUTES", "SET_PED_ACCURACY",
              "SET_ENTITY_INVINCIBLE", "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY",
              "SET_PED_RELATIONSHIP_GROUP_HASH", "SET_AMBIENT_VOICE_NAME"}) {
            const std::string named = name;
            corvale::testing::WatchNative(sim, name, [this, named](const sim::NativeArgs& a) {
                std::string call = named;
                // The arguments that tell one outfit, flag or attribute from another.
                if (named == "_APPLY_SHOP_ITEM_TO_PED" || named == "SET_PED_RELATIONSHIP_GROUP_HASH")
                    call += " " + std::to_string(a.u(1));
                else if (named == "SET_AMBIENT_VOICE_NAME" || named == "_SET_PED_PROMPT_NAME")
                    call += std::string(" ") + a.s(1);
                else if (a.count > 1)
                    call += " " + std::to_string(a.i(1));
                if (a.count > 2 && named != "_SET_PED_PROMPT_NAME") call += " " + std::to_string(a.i(2));
                calls.emplace_back(a.i(0), call);
            });
        }
    }
    // What was done to ped once he stood there: the spawn's own steps come before his name.
    std::vector<std::string> of(int32_t ped) const {
        std::vector<std::string> mine;
        for (const auto& [who, call] : calls) {
            if (who != ped) continue;
            if (mine.empty() && call.rfind("_SET_PED_PROMPT_NAME", 0) != 0) continue;
            mine.push_back(call);
        }
        return mine;
    }
};

const std::string kOutfitA = std::to_string(0xb3911f0du);
const std::string kOutfitB = std::to_string(0x57ce45cau);
const std::string kGang = std::to_string(sim::GameHash("REL_GANG_DUTCHS"));
const std::string kVoice = "0192_A_M_M_HTLROUGHTRAVELLERS_01_WHITE_01";

// The game's order of the set-up, in three parts.
const std::vector<std::string> kDressed = {
    "_SET_PED_PROMPT_NAME Clint", "_EQUIP_META_PED_OUTFIT_PRESET 3 0",
    "_APPLY_SHOP_ITEM_TO_PED " + kOutfitA + " 1", "_APPLY_SHOP_ITEM_TO_PED " + kOutfitB + " 1"};
const std::vector<std::string> kToughened = {
    "SET_PED_CONFIG_FLAG 154 1",      "SET_PED_CONFIG_FLAG 540 1",
    "SET_ENTITY_HEALTH 1500 0",       "SET_ENTITY_PROOFS 4 0",
    "SET_PED_COMBAT_ATTRIBUTES 46 0", "SET_PED_COMBAT_ATTRIBUTES 13 1",
    "SET_PED_ACCURACY 80"};
const std::vector<std::string> kInTheGang = {"SET_PED_RELATIONSHIP_GROUP_HASH " + kGang,
                                              "SET_AMBIENT_VOICE_NAME " + kVoice};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct CookSetUpTest : corvale::testing::SiteWorldTest {};

} // namespace

TEST_F(CookSetUpTest, ClintInHisCellAndTheCampsCookAreSetUpAlikeInTheGamesOrder) {
    SetUpCalls seen;
    seen.watch(h.sim());

    Ped campCook = 0;
    ASSERT_TRUE(inScript([&] {
        camp->setLocation(FindCampLocation(corvale::testing::kTallTrees));
        ASSERT_TRUE(camp->build(HashString("pg_re_moonshinecampgroup02x")));
        campCook = camp->spawnCook(true);
    }));
    ASSERT_NE(campCook, 0);
    EXPECT_EQ(seen.of(campCook), Joined({kDressed, kToughened, kInTheGang}));

    Notifications notifications;
    DebugTools debugTools;
    corvale::testing::TestMission mission(MissionKit{notifications, debugTools});
    RescuedCook clint(mission);
    Prompt locationPrompt;
    Ped cellCook = 0;
    ASSERT_TRUE(inScript([&] {
        locationPrompt.create("Choose Location", HashString("INPUT_CONTEXT_X"), PromptSetup{});
        cellCook = clint.spawn("Clint", locationPrompt, Vector3(1, 2, 3));
    }));
    ASSERT_NE(cellCook, 0);
    // In the cell he does not shy from the dead, cannot be hurt and carries the prompt to
    // choose the camp.
    EXPECT_EQ(seen.of(cellCook),
              Joined({kDressed, {"_SET_PED_IGNORE_DEAD_BODIES 1"}, kToughened,
                      {"SET_ENTITY_INVINCIBLE 1", "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY"},
                      kInTheGang}));
    // What he spawned is the mission's to clean up.
    ASSERT_TRUE(inScript([&] {
        mission.cleanup();
        locationPrompt.remove();
    }));
    EXPECT_EQ(owned("a_m_m_moonshiners_01"), 1u) << "only the camp's cook is still ours";
    EXPECT_TRUE(h.sim().faults().empty());
}
