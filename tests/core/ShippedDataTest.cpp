// The shipped data folder, loaded with the real loaders: every key the plug-ins read is there,
// every value the code parses is a number, every text a player sees exists and fits where
// it is shown.
#include "core/data/GameData.h"
#include "support/GameFolder.h"
#include "support/TestPaths.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

// Texts of the camp plug-in: fixed keys, then keys composed at run time.
const char* const kCampTexts[] = {
    "blips.camp",
    "blips.still",
    "blips.cook_mission",
    "camp.put_herbs_in_still",
    "camp.herbs_missing",
    "location_selector.title",
    "location_selector.price",
    "prompts.camp_guard",
    "prompts.cook",
    "prompts.drinks_crate",
    "prompts.drinks_crate.take",
    "prompts.ledger",
    "prompts.ledger.choose_location",
    "prompts.ledger.sabotage_mission",
    "prompts.still",
    "prompts.still.put_herbs",
    "toasts.generic_title",
    "toasts.operation_location_changed",
    "tutorial.change_location_insufficient_funds",
    "missions.camp_infiltration.escape",
    "missions.camp_infiltration.prompts.posion_still",
    "missions.cook_rescue.clint_died",
    "missions.cook_rescue.insufficient_funds",
    "missions.cook_rescue.jail_guard_name",
    "missions.cook_rescue.hints.back_door",
    "missions.cook_rescue.hints.clint_low_health",
    "missions.cook_rescue.hints.guard_keys",
    "missions.cook_rescue.objectives.1",
    "missions.cook_rescue.objectives.2",
    "missions.cook_rescue.objectives.interact_with_clint",
    "missions.cook_rescue.objectives.lose_the_law",
    "missions.cook_rescue.objectives.regroup",
    "missions.cook_rescue.objectives.select_location",
    // "tutorial." + the name of each tutorial the camp triggers
    "tutorial.law_near_camp",
    "tutorial.camp_raids",
    "tutorial.camp_raid_defended",
    "tutorial.kickoff",
    "tutorial.kickoff_complete",
    "tutorial.sabotage_still",
    // "toasts.missions." + mission type + ".body", by number and by name
    "toasts.missions.0.body",
    "toasts.missions.1.body",
    "toasts.missions.2.body",
    "toasts.missions.Sabotage.body",
    "toasts.missions.CookRescue.body",
    "toasts.missions.CampRaid.body",
    // "missions.camp_infiltration.objectives." + objective type (the still sabotage)
    "missions.camp_infiltration.objectives.0",
    // "areas." + camp location id in signed decimal
    "areas.1684533001",
    "areas.-108848014",
    "areas.131399519",
    "areas.2025841068",
    "areas.1645618177",
    "areas.822658194",
    "areas.-2066240242",
};

// Texts of the business plug-in.
const char* const kBusinessTexts[] = {
    "prompts.ledger.business",
    "prompts.menu.sell",
    "prompts.menu.select",
    "prompts.menu.back",
    "menu.title1",
    "menu.title2",
    "menu.stillFlavourText",
    "menu.mashRequiredText",
    "menu.mashRequiredTextLong",
    "menu.weakMoonshine",
    "menu.weakMoonshineTime",
    "menu.mediumMoonshine",
    "menu.mediumMoonshineTime",
    "menu.strongMoonshine",
    "menu.strongMoonshineTime",
    "menu.Flavoring",
    "menu.Flavour0",
    "menu.Flavour1",
    "menu.Flavour2",
    "menu.Flavour3",
    "menu.Flavour4",
    "menu.productionComplete",
    "menu.inProd",
    "menu.mashRequired",
    "menu.mashRequired2",
    "menu.recipeSelection",
    "menu.fullBatchRequired",
    "menu.potentialBuyers",
    "menu.Moonshine",
    "menu.bottlesOutOf20",
    "menu.bottles",
    "menu.moonshineProduction",
    "menu.mashPrice",
    "menu.recipes",
    "menu.recipe",
    "menu.currentBatchSold",
    "menu.buyerFlavour",
    "menu.appleIngredient",
    "menu.currantIngredient",
    "menu.huckleberryIngredient",
    "menu.wintergreenIngredient",
    "menu.ginsengIngredient",
    "menu.strawberriesIngredient",
    "menu.mintIngredient",
    "menu.peachCanIngredient",
    "menu.raspberryIngredient",
    "menu.peachIngredient",
    "menu.batchWaiting",
    "menu.sellBatchFirst",
    "menu.needsWeakMash",
    "menu.needsMediumMash",
    "menu.needsStrongMash",
    "menu.needsIngredient",
    "toasts.batchReady.title",
    "toasts.batchReady.body",
    "delivery.boardWagon",
    "delivery.stopWagon",
    "delivery.suppliesDestroyed",
    "delivery.suppliesStolen",
    "delivery.deliveryWagonBlipName",
    "delivery.deliveryDestinationBlipName",
};

// Texts composed with printf and one string argument.
const std::set<std::string> kFormatTexts = {
    "toasts.operation_location_changed", "menu.needsIngredient",
    "tutorial.change_location_insufficient_funds", "missions.cook_rescue.insufficient_funds"};

// Business texts in which "@" marks a line break.
const char* const kMultiLineTexts[] = {"menu.mashRequired2", "menu.recipeSelection",
                                       "menu.potentialBuyers"};

enum class Kind { Int, Float };

struct TuningKey {
    const char* key;
    Kind kind;
    bool mustBeSupplied; // no playable built-in value (-999)
};

const TuningKey kGeneralMeta[] = {
    {"auto_save_frequency_seconds", Kind::Int, false},
    {"camp.change_location_fee", Kind::Int, true},
    {"stats.degradation_freq_minutes", Kind::Int, false},
    {"stats.influence.degradation_factor", Kind::Float, false},
    {"stats.law_awareness.degradation_factor", Kind::Float, false},
    {"stats.law_awareness.law_near_camp_effect", Kind::Float, false},
    {"stats.influence.mission_effects.sabotage.success", Kind::Float, false},
    {"stats.influence.mission_effects.sabotage.fail", Kind::Float, false},
    {"stats.influence.mission_effects.camp_raid.success", Kind::Float, false},
    {"stats.influence.mission_effects.camp_raid.fail", Kind::Float, false},
    {"stats.influence.mission_effects.delivery.success", Kind::Float, false},
    {"stats.influence.mission_effects.delivery.fail", Kind::Float, false},
    {"stats.law_awareness.mission_effects.delivery.success", Kind::Float, false},
    {"stats.law_awareness.mission_effects.delivery.fail", Kind::Float, false},
    {"camp_raid.min_influence", Kind::Float, true},
    {"camp_raid.influence_factor", Kind::Float, true},
};

const TuningKey kAi[] = {
    {"guard.sight_range", Kind::Int, true},
    {"guard.min_sight_range", Kind::Float, true},
    {"guard.crouch_sight_impact", Kind::Float, true},
    {"guard.night_sight_impact", Kind::Float, true},
    {"guard.rain_sight_impact", Kind::Float, true},
    {"guard.wind_sight_impact", Kind::Float, true},
    {"guard.cover_sight_impact", Kind::Float, true},
    {"guard.hearing_range", Kind::Int, true},
    {"guard.min_hearing_range", Kind::Float, true},
    {"guard.wind_hearing_impact", Kind::Float, true},
    {"guard.noise_range", Kind::Int, false},
    {"guard.noise_distance_multiplier", Kind::Float, true},
    {"guard.safe_distance", Kind::Int, true},
    {"guard.sensitive_safe_distance", Kind::Int, true},
};

const char* const kSettings[] = {"DevTools", "UseMpAssets", "DebugLogs", "BrewingTimeModifier"};

class ShippedDataTest : public corvale::testing::GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        std::filesystem::copy(std::filesystem::path(corvale::testing::SourcePath()) / "data" /
                                  "Corvale",
                              "Corvale", std::filesystem::copy_options::recursive);
    }

    // The whole text is one number of the kind: what the code reads is all there is.
    static bool IsWholeNumber(const std::string& text, Kind kind) {
        if (text.empty()) return false;
        char* end = nullptr;
        if (kind == Kind::Int)
            std::strtol(text.c_str(), &end, 10);
        else
            std::strtod(text.c_str(), &end);
        return *end == '\0';
    }

    static void ExpectTuning(const DictDataFile& file, const TuningKey& entry) {
        SCOPED_TRACE(entry.key);
        const std::string& text = file.getString(entry.key);
        EXPECT_TRUE(IsWholeNumber(text, entry.kind)) << "'" << text << "'";
        if (!entry.mustBeSupplied) return;
        if (entry.kind == Kind::Int)
            EXPECT_NE(file.getInt(entry.key, -999), -999);
        else
            EXPECT_NE(file.getFloat(entry.key, -999.0f), -999.0f);
    }

    static std::string Format(const std::string& format, const char* argument) {
        char text[512];
        std::snprintf(text, sizeof text, format.c_str(), argument);
        return text;
    }

    GameData data;
};

TEST_F(ShippedDataTest, TheCampPluginLoadsEveryShippedFile) {
    ASSERT_TRUE(data.loadFiles("Lang.dat"));
    EXPECT_FALSE(Logged("TutorialFlags didn't load properly, continuing anyway."));
    for (const std::string& line : LogMessages())
        EXPECT_EQ(line.find("cannot parse line"), std::string::npos) << line;
}

TEST_F(ShippedDataTest, TheBusinessPluginLoadsEveryShippedFile) {
    EXPECT_TRUE(data.loadFiles("Lang2.dat"));
    EXPECT_NE(data.tutorialFlagsFile(), nullptr);
}

TEST_F(ShippedDataTest, EveryCampTextExistsAndNoUnknownKeyIsShipped) {
    ASSERT_TRUE(data.loadFiles("Lang.dat"));
    const std::set<std::string> expected(std::begin(kCampTexts), std::end(kCampTexts));
    for (const std::string& key : expected)
        EXPECT_NE(data.langFile()->getString(key), "") << key;
    for (const auto& [key, value] : data.langFile()->entries())
        EXPECT_EQ(expected.count(key), 1u) << "no code reads " << key;
}

TEST_F(ShippedDataTest, EveryBusinessTextExistsAndNoUnknownKeyIsShipped) {
    ASSERT_TRUE(data.loadFiles("Lang2.dat"));
    const std::set<std::string> expected(std::begin(kBusinessTexts), std::end(kBusinessTexts));
    for (const std::string& key : expected)
        EXPECT_NE(data.langFile()->getString(key), "") << key;
    for (const auto& [key, value] : data.langFile()->entries())
        EXPECT_EQ(expected.count(key), 1u) << "no code reads " << key;
    for (const char* key : kMultiLineTexts)
        EXPECT_NE(data.langFile()->getString(key).find('@'), std::string::npos) << key;
    // A toast holds 99 characters per text.
    for (const auto& [key, value] : data.langFile()->entries()) {
        if (key.rfind("toasts.", 0) == 0) {
            EXPECT_LT(value.size(), 100u) << key;
        }
    }
}

TEST_F(ShippedDataTest, TextsArePlainAsciiAndOnlyFormatTextsHoldPercentSigns) {
    for (const char* lang : {"Lang.dat", "Lang2.dat"}) {
        ASSERT_TRUE(data.loadFiles(lang));
        for (const auto& [key, value] : data.langFile()->entries()) {
            SCOPED_TRACE(key);
            for (const char c : value)
                EXPECT_TRUE(c >= 0x20 && c < 0x7f) << int(c);
            if (kFormatTexts.count(key)) {
                const size_t at = value.find("%s");
                ASSERT_NE(at, std::string::npos);
                EXPECT_EQ(value.find('%', at + 1), std::string::npos) << "exactly one %s";
                EXPECT_EQ(value.find('%'), at);
            } else {
                EXPECT_EQ(value.find('%'), std::string::npos);
            }
        }
    }
}

TEST_F(ShippedDataTest, ComposedTextsFitTheirBuffers) {
    ASSERT_TRUE(data.loadFiles("Lang.dat"));
    const DictDataFile& lang = *data.langFile();
    const std::string& fee = data.generalMetaFile()->getString("camp.change_location_fee");
    // Toasts hold 99 characters per text, help texts 499, the ledger hint 99, the jail
    // message 199.
    for (const auto& [key, value] : lang.entries()) {
        if (key.rfind("toasts.", 0) == 0) {
            EXPECT_LT(value.size(), 100u) << key;
        }
        if (key.rfind("tutorial.", 0) == 0) {
            EXPECT_LT(value.size(), 500u) << key;
        }
    }
    for (const char* id :
         {"areas.1684533001", "areas.-108848014", "areas.131399519", "areas.2025841068",
          "areas.1645618177", "areas.822658194", "areas.-2066240242"})
        EXPECT_LT(
            Format(lang.getString("toasts.operation_location_changed"), lang.getString(id).c_str())
                .size(),
            100u)
            << id;
    const std::string hint =
        Format(lang.getString("tutorial.change_location_insufficient_funds"), fee.c_str());
    EXPECT_LT(hint.size(), 100u);
    EXPECT_NE(hint.find("$" + fee), std::string::npos) << hint;
    EXPECT_LT(Format(lang.getString("missions.cook_rescue.insufficient_funds"), fee.c_str()).size(),
              200u);
}

TEST_F(ShippedDataTest, EveryTuningKeyIsANumberAndUnsetOnesAreSupplied) {
    ASSERT_TRUE(data.loadFiles("Lang.dat"));
    for (const TuningKey& entry : kGeneralMeta)
        ExpectTuning(*data.generalMetaFile(), entry);
    for (const TuningKey& entry : kAi)
        ExpectTuning(*data.aiFile(), entry);
    EXPECT_EQ(data.generalMetaFile()->entries().size(), std::size(kGeneralMeta));
    EXPECT_EQ(data.aiFile()->entries().size(), std::size(kAi));
}

TEST_F(ShippedDataTest, TheMovingFeeIsWholeDollarsThatAFewDeliveriesEarn) {
    ASSERT_TRUE(data.loadFiles("Lang.dat"));
    const DictDataFile& meta = *data.generalMetaFile();
    const int fee = meta.getInt("camp.change_location_fee", -999);
    EXPECT_EQ(meta.getString("camp.change_location_fee"), std::to_string(fee))
        << "shown to the player as it is written";
    EXPECT_GT(fee, 0);
    EXPECT_LE(fee, 6 * 40) << "at most six unflavoured medium deliveries";
    const float minInfluence = meta.getFloat("camp_raid.min_influence", -999);
    const float factor = meta.getFloat("camp_raid.influence_factor", -999);
    EXPECT_GT(minInfluence, 0.0f);
    EXPECT_LE(minInfluence, 1.0f) << "influence never exceeds 1: raids would never come";
    EXPECT_GT(factor, 0.0f);
    EXPECT_LE(factor, 1.0f);
}

TEST_F(ShippedDataTest, GuardSensesLeaveRoomForStealth) {
    ASSERT_TRUE(data.loadFiles("Lang.dat"));
    const DictDataFile& ai = *data.aiFile();
    const float sight = static_cast<float>(ai.getInt("guard.sight_range", -999));
    const float minSight = ai.getFloat("guard.min_sight_range", -999);
    const float crouch = ai.getFloat("guard.crouch_sight_impact", -999);
    const float night = ai.getFloat("guard.night_sight_impact", -999);
    for (const char* key :
         {"guard.crouch_sight_impact", "guard.night_sight_impact", "guard.rain_sight_impact",
          "guard.wind_sight_impact", "guard.cover_sight_impact", "guard.wind_hearing_impact"}) {
        EXPECT_GE(ai.getFloat(key, -999), 0.0f) << key;
        EXPECT_LT(ai.getFloat(key, -999), 1.0f) << key;
    }
    EXPECT_GT(minSight, 0.0f);
    EXPECT_LT(minSight, sight * (1 - crouch) * (1 - night))
        << "crouching at night must still shorten a guard's sight";
    const float hearing = static_cast<float>(ai.getInt("guard.hearing_range", -999));
    EXPECT_GT(ai.getFloat("guard.min_hearing_range", -999), 0.0f);
    EXPECT_LT(ai.getFloat("guard.min_hearing_range", -999), hearing);
    EXPECT_GT(ai.getInt("guard.noise_range", -999), 0);
    EXPECT_GT(ai.getFloat("guard.noise_distance_multiplier", -999), 0.0f);
    EXPECT_GT(ai.getInt("guard.sensitive_safe_distance", -999), 0);
    EXPECT_LT(ai.getInt("guard.sensitive_safe_distance", -999),
              ai.getInt("guard.safe_distance", -999));
}

TEST_F(ShippedDataTest, SaveAndTutorialFlagsShipEmpty) {
    EXPECT_EQ(std::filesystem::file_size("Corvale/Savegame.dat"), 0u);
    EXPECT_EQ(std::filesystem::file_size("Corvale/TutorialFlags.dat"), 0u);
}

TEST_F(ShippedDataTest, SettingsParseAndExplainEverySwitch) {
    data.settings().load("Corvale/Settings.ini", {});
    for (const std::string& line : LogMessages())
        EXPECT_EQ(line.find("cannot parse line"), std::string::npos) << line;
    EXPECT_FALSE(data.settings().getBool("DevTools")) << "players start without developer tools";
    EXPECT_TRUE(data.settings().getBool("UseMpAssets"));
    EXPECT_NO_THROW(data.settings().getBool("DebugLogs"));
    EXPECT_FLOAT_EQ(std::strtof(data.settings().getString("BrewingTimeModifier").c_str(), nullptr),
                    1.0f);
    const std::string text = ReadFile("Corvale/Settings.ini");
    for (const char* name : kSettings) {
        EXPECT_NE(data.settings().getString(name), "") << name;
        EXPECT_NE(text.find(std::string("; ") + name + ":"), std::string::npos)
            << name << " has no comment explaining it";
    }
}

} // namespace
