// The still's wrappers in the bridge against the simulated world: the menu's camera, the
// player's scenario and pace, the wagon, HUD contexts, cash taken, items counted, the plain
// text natives, control disables and prompts used.
#include "Hash.h"
#include "core/natives/Camera.h"
#include "core/natives/Controls.h"
#include "core/natives/Entity.h"
#include "core/natives/HudContexts.h"
#include "core/natives/HudText.h"
#include "core/natives/Inventory.h"
#include "core/natives/Money.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Vehicles.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {
const uint64_t kIsControlJustPressed = corvale::testing::NativeHash("IS_CONTROL_JUST_PRESSED");
const uint64_t kIsDisabledControlJustPressed =
    corvale::testing::NativeHash("IS_DISABLED_CONTROL_JUST_PRESSED");
const uint64_t kIsControlPressed = corvale::testing::NativeHash("IS_CONTROL_PRESSED");
} // namespace

TEST(StillCamera, IsShownOnlyWhileActiveAndRendered) {
    ScriptHarness h;
    const Cam cam = CreateScriptedCamera({1790, -818, 44}, {}, 60.0f, true);
    ASSERT_NE(cam, 0);
    const sim::Camera* c = h.world().cameras.find(cam);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->name, "DEFAULT_SCRIPTED_CAMERA");
    EXPECT_FLOAT_EQ(c->position.y, -818.0f);
    EXPECT_FLOAT_EQ(c->fieldOfView, 60.0f);
    EXPECT_FALSE(h.world().cameras.showing()) << "made active, but nothing renders it yet";
    PointCameraAt(cam, {1790, -821, 42.5f});
    EXPECT_TRUE(c->pointed);
    EXPECT_FLOAT_EQ(c->target.z, 42.5f);
    RenderScriptCameras(true, true, 500);
    EXPECT_TRUE(h.world().cameras.showing());
    SetCameraActive(cam, false);
    EXPECT_FALSE(h.world().cameras.showing());
    SetCameraActive(cam, true);
    DestroyCamera(cam);
    EXPECT_EQ(h.world().cameras.find(cam), nullptr);
    EXPECT_FALSE(h.world().cameras.showing()) << "no camera left to look through";
    SetCameraActive(cam, false); // the menu does this after destroying it: left alone
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(StillCamera, PointingACameraThatDoesNotExistIsAFault) {
    ScriptHarness h;
    PointCameraAt(77, {0, 0, 0});
    ASSERT_EQ(h.sim().faults().size(), 1u);
    EXPECT_NE(h.sim().faults()[0].find("unknown camera 77"), std::string::npos);
}

TEST(PlayerAtTheStill, PlaysTheClipboardScenarioUntilTheTasksAreCleared) {
    ScriptHarness h;
    RefreshPlayerPed();
    const Ped player = PlayerPed();
    const Hash clipboard = HashString("WORLD_HUMAN_CLIPBOARD");
    StartScenarioInPlace(player, clipboard, -1, true, 1, 0.0f);
    EXPECT_EQ(h.world().pedTasks.scenario(player), clipboard);
    ClearPedTasksNow(player);
    EXPECT_EQ(h.world().pedTasks.scenario(player), 0u);
    EXPECT_TRUE(h.sim().faults().empty());
    StartScenarioInPlace(4242, clipboard, -1, true, 1, 0.0f);
    EXPECT_EQ(h.sim().faults().size(), 1u) << "a task for a ped that does not exist";
}

TEST(PlayerAtTheStill, IsInCombatOnlyWhenTheWorldSaysSo) {
    ScriptHarness h;
    RefreshPlayerPed();
    EXPECT_FALSE(IsPedInCombat(PlayerPed(), 0));
    h.world().player.inCombat = true;
    EXPECT_TRUE(IsPedInCombat(PlayerPed(), 0));
    const Ped other = h.world().spawn(sim::EntityKind::Ped, 1, {}, 0);
    EXPECT_FALSE(IsPedInCombat(other, 0));
}

TEST(PlayerAtTheStill, APaceLimitHoldsForTheFrameItWasSetIn) {
    ScriptHarness h;
    RefreshPlayerPed();
    const Ped player = PlayerPed();
    h.sim().runFrame();
    EXPECT_LT(h.world().pedTasks.paceLimit(player, h.world().frame), 0.0f);
    SetPedMaxMoveBlendRatio(player, 1.0f);
    EXPECT_FLOAT_EQ(h.world().pedTasks.paceLimit(player, h.world().frame), 1.0f);
    h.sim().runFrame();
    EXPECT_LT(h.world().pedTasks.paceLimit(player, h.world().frame), 0.0f)
        << "not set again this frame";
}

TEST(Wagon, OnlyALivingVehicleIsDriveableAndCarriesPropSets) {
    ScriptHarness h;
    const int32_t wagon = h.world().spawn(sim::EntityKind::Vehicle, 1, {}, 0);
    const int32_t horse = h.world().spawn(sim::EntityKind::Ped, 2, {}, 0);
    EXPECT_TRUE(IsVehicleDriveable(wagon, false, false));
    EXPECT_FALSE(IsVehicleDriveable(horse, false, false));
    EXPECT_FALSE(IsVehicleDriveable(0, false, false));
    const Hash cargo = HashString("PG_MISSION_BRT2");
    AddVehiclePropSet(wagon, cargo);
    EXPECT_EQ(h.world().vehicles.propSets[wagon], (std::vector<uint32_t>{cargo}));
    EXPECT_TRUE(h.sim().faults().empty());
    AddVehiclePropSet(horse, cargo);
    EXPECT_EQ(h.sim().faults().size(), 1u) << "prop sets go on vehicles only";
    h.world().entity(wagon)->alive = false;
    EXPECT_FALSE(IsVehicleDriveable(wagon, false, false));
}

TEST(ShopHud, AContextStaysOnUntilDisabledOrForOneFrame) {
    ScriptHarness h;
    const Hash shop = kShopHudContext;
    const Hash inShop = HashString("HUD_CTX_IN_SHOP");
    h.sim().runFrame();
    EnableHudContext(shop);
    EnableHudContextThisFrame(inShop);
    EXPECT_TRUE(h.world().hudContexts.on(shop, h.world().frame));
    EXPECT_TRUE(h.world().hudContexts.on(inShop, h.world().frame));
    h.sim().runFrame();
    EXPECT_TRUE(h.world().hudContexts.on(shop, h.world().frame));
    EXPECT_FALSE(h.world().hudContexts.on(inShop, h.world().frame));
    DisableHudContext(shop);
    EXPECT_FALSE(h.world().hudContexts.on(shop, h.world().frame));
}

TEST(StillPurchase, TakesCashButNeverMoreThanThePlayerHas) {
    ScriptHarness h;
    h.world().player.cashCents = 2000;
    TakeCash(1500);
    EXPECT_EQ(h.world().player.cashCents, 500);
    EXPECT_EQ(PlayerCashCents(), 500);
    TakeCash(5000);
    EXPECT_EQ(h.world().player.cashCents, 500) << "refused, nothing taken";
    TakeCash(-100);
    EXPECT_EQ(h.world().player.cashCents, 500);
}

TEST(StillPurchase, CashIsTheGamesSigned32BitCountOfCents) {
    ScriptHarness h;
    h.world().player.cashCents = INT32_MAX - 100;
    EXPECT_FALSE(GiveCash(101)) << "past the top is refused";
    EXPECT_EQ(PlayerCashCents(), INT32_MAX - 100) << "and nothing is added";
    EXPECT_TRUE(GiveCash(100));
    EXPECT_EQ(PlayerCashCents(), INT32_MAX);
    EXPECT_FALSE(GiveCash(1));
    EXPECT_FALSE(GiveCash(-5)) << "a negative payment is refused";
    EXPECT_TRUE(TakeCash(INT32_MAX));
    EXPECT_EQ(PlayerCashCents(), 0);
    EXPECT_FALSE(TakeCash(1)) << "never below zero";
    EXPECT_EQ(PlayerCashCents(), 0);
}

TEST(StillPurchase, CountsThePlayersItemsAndNobodyElses) {
    ScriptHarness h;
    RefreshPlayerPed();
    const Hash apple = HashString("consumable_apple");
    h.world().player.items[apple] = 3;
    EXPECT_EQ(ItemCount(PlayerPed(), apple), 3);
    EXPECT_EQ(ItemCount(PlayerPed(), HashString("consumable_herb_ginseng")), 0);
    const Ped cook = h.world().spawn(sim::EntityKind::Ped, 1, {}, 0);
    EXPECT_EQ(ItemCount(cook, apple), 0);
}

TEST(MenuText, ThePlainTextNativesDrawWithColourAndScale) {
    ScriptHarness h;
    h.sim().runFrame();
    SetHudTextColour(10, 20, 30, 200);
    SetTextScale(0.55f, 0.5f);
    DisplayHudText(ColouredText(TextLiteral("<FONT FACE='$title' COLOR='#%04X'>$15</FONT>")), 0.25f,
                   0.85f);
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "$15");
    EXPECT_EQ(texts[0].font, "$title");
    EXPECT_EQ(texts[0].colour.a, 200);
    EXPECT_EQ(texts[0].colour.g, 20);
    EXPECT_FLOAT_EQ(texts[0].scaleX, 0.55f);
    EXPECT_FLOAT_EQ(texts[0].x, 0.25f);
    h.sim().runFrame();
    EXPECT_TRUE(h.world().screen.texts.empty()) << "drawn for one frame";
}

TEST(MenuControls, ADisabledControlReadsIdleExceptThroughTheDisabledNatives) {
    ScriptHarness h;
    const Hash revealHud = HashString("INPUT_REVEAL_HUD");
    std::vector<std::string> seen;
    h.start([&] {
        for (int frame = 0; frame < 2; ++frame) {
            if (frame == 0) DisableControlThisFrame(revealHud, true);
            std::string s;
            s += Invoke<bool>(kIsControlJustPressed, 0, revealHud) ? "P" : "-";
            s += Invoke<bool>(kIsDisabledControlJustPressed, 0, revealHud) ? "D" : "-";
            s += Invoke<bool>(kIsControlPressed, 0, revealHud) ? "H" : "-";
            seen.push_back(s);
            ScriptWait(0);
        }
    });
    h.world().controls.queued.insert(revealHud);
    h.sim().runFrame();
    h.world().controls.queued.insert(revealHud);
    h.runUntilFinished(3);
    EXPECT_EQ(seen, (std::vector<std::string>{"-D-", "PDH"}))
        << "disabled for the first frame only; the disabled natives always read the pad";
}

namespace {

// A business prompt polled each frame after all prompts were hidden first, as the business
// frame does; it is shown again only after the poll.
struct HiddenFirstPrompt {
    HiddenFirstPrompt(ScriptHarness& h, const char* text, bool hold) : h(h), text(text) {
        h.start([this, &h, text, hold] {
            const PromptHandle p = BeginPrompt();
            SetPromptControl(p, HashString("INPUT_FRONTEND_ACCEPT"));
            SetPromptText(p, TextLiteral(text));
            if (hold)
                SetPromptStandardizedHoldMode(p);
            else
                SetPromptStandardMode(p);
            EndPrompt(p);
            for (;;) {
                SetPromptVisible(p, false);
                const bool used = hold ? PromptHoldCompleted(p) : PromptJustPressed(p);
                if (used) usedInFrames.push_back(h.world().frame);
                SetPromptEnabled(p, true);
                SetPromptVisible(p, shown);
                ScriptWait(0);
            }
        });
        h.sim().runFrame();
    }
    // Holds the prompt's control for heldFrames from this frame and runs `frames` frames; the
    // first frame whose poll can read the press.
    uint64_t pressAndRun(int heldFrames, int frames) {
        EXPECT_TRUE(h.world().prompts.press(text, h.world().frame, heldFrames)) << text;
        const uint64_t next = h.world().frame + 1;
        h.sim().runFrames(frames);
        return next;
    }

    ScriptHarness& h;
    const char* text;
    std::vector<uint64_t> usedInFrames;
    bool shown = true;
};

} // namespace

TEST(StillPrompts, APressOnAPromptHiddenAndShownAgainEachFrameIsRead) {
    ScriptHarness h;
    HiddenFirstPrompt ledger(h, "Run the Still", true);
    const uint64_t next = ledger.pressAndRun(1, 3);
    EXPECT_EQ(ledger.usedInFrames, (std::vector<uint64_t>{next}));
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(StillPrompts, AJustPressedPromptReportsTheFirstFrameOfAHoldOnly) {
    ScriptHarness h;
    HiddenFirstPrompt back(h, "Back", false);
    const uint64_t next = back.pressAndRun(4, 6);
    EXPECT_EQ(back.usedInFrames, (std::vector<uint64_t>{next}));
}

TEST(StillPrompts, AHoldEndsWhenThePromptLeftTheScreen) {
    ScriptHarness h;
    HiddenFirstPrompt sell(h, "Sell", true);
    const uint64_t first = sell.pressAndRun(5, 1);
    sell.shown = false; // the script takes it off screen from this frame on
    h.sim().runFrames(4);
    EXPECT_EQ(sell.usedInFrames, (std::vector<uint64_t>{first, first + 1}))
        << "held while on screen at the start of a frame, not after";
    EXPECT_FALSE(h.world().prompts.press("Sell", h.world().frame, 1)) << "nothing to press";
}
