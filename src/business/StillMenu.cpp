#include "business/StillMenu.h"

#include "business/BusinessScript.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Audio.h"
#include "core/natives/Camera.h"
#include "core/natives/Controls.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/HudContexts.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"

#include <initializer_list>

namespace corvale::business {

namespace {

struct CameraPlacement {
    Vector3 position;
    Vector3 target;
};

// By camp location 1 to 7: where the camera stands and the still it looks at.
const CameraPlacement kCameras[7] = {
    {{-1996.101f, -1335.895f, 116.963f}, {-1996.582f, -1338.503f, 117.142f}},
    {{1751.348f, -1174.184f, 41.632f}, {1749.113f, -1173.25f, 41.757f}},
    {{-3333.594f, -2991.596f, 3.228f}, {-3334.514f, -2994.347f, 3.404f}},
    {{-1805.458f, 1772.113f, 235.309f}, {-1806.024f, 1774.408f, 235.363f}},
    {{1655.7f, 748.223f, 132.71f}, {1655.398f, 745.953f, 132.38f}},
    {{-1345.659f, 497.023f, 96.554f}, {-1345.082f, 495.022f, 96.554f}},
    {{-5471.264f, -3263.116f, -21.134f}, {-5472.255f, -3265.379f, -21.136f}},
};

// Before the camp plug-in names a location, the camera looks at the camp point from a few
// metres away and a little above.
CameraPlacement PlacementFor(BusinessScript& s) {
    if (s.camp.campLocation >= 1 && s.camp.campLocation <= 7)
        return kCameras[s.camp.campLocation - 1];
    const Vector3& p = s.camp.campPoint;
    return {{p.x + 2.5f, p.y + 2.5f, p.z + 1.5f}, p};
}

constexpr float kFieldOfView = 60.0f;
constexpr int32_t kEaseMs = 500;
constexpr Hash kAnyCondition = 1;
constexpr float kRowStepPx = 110.16f;
constexpr int32_t kSinglePlayer = 0;
constexpr float kMenuReach = 10.0f; // from where the player opened it

int HighestRow(int page) {
    return page == kFlavoursPage ? 3 : 2;
}

void Navigate(BusinessScript& s) {
    DisableControlThisFrame(kControlRevealHud, true);
    const int highest = HighestRow(s.menu.page);
    if (IsControlJustPressed(kControlFrontendUp)) {
        PlaySoundFrontend("NAV_RIGHT", "PAUSE_MENU_SOUNDSET");
        s.menu.cursor = s.menu.cursor <= 0 ? highest : s.menu.cursor - 1;
    }
    if (IsControlJustPressed(kControlFrontendDown)) {
        PlaySoundFrontend("NAV_LEFT", "PAUSE_MENU_SOUNDSET");
        s.menu.cursor = s.menu.cursor >= highest ? 0 : s.menu.cursor + 1;
    }
    if (s.menu.cursor < 0 || s.menu.cursor > highest) s.menu.cursor = 0;
}

// The menu hides the player and holds the camera on the still: whatever takes him from the
// ledger (death, the law, a fight, being carried off) takes him out of the menu too.
bool MenuMustClose(BusinessScript& s) {
#ifndef CORVALE_PLANTED_FAULT_MENU_OPEN_ON_DEATH // the chaos player's own test plants it
    if (IsPlayerDead(kSinglePlayer) || IsPlayerBeingArrested(kSinglePlayer)) return true;
#endif
    if (IsLawIncidentActive(kSinglePlayer) || IsPedInCombat(s.player.ped, 0)) return true;
    return !(Distance(s.player.position, s.menu.openedAt) <= kMenuReach);
}

} // namespace

void TickStillMenu(BusinessScript& s) {
    if (s.menu.page == kMenuClosed) {
        if (!s.menu.ledgerOffered || !s.prompts.ledger.answer()) return;
        // Held through a ride or a fast travel away from the ledger, the answer opens nothing:
        // a menu out of reach would stay open wherever he was taken.
        if (!(Distance(s.player.position, s.menu.offeredAt) <= kMenuReach)) return;
        OpenStillMenu(s);
    } else if (MenuMustClose(s)) {
        return CloseStillMenu(s);
    }
    EnableHudContextThisFrame(kInShopHudContext);
    s.dictionaries.drawSprite(kGenericTextures, "inkroller_1a",
                              ScreenBox{0.16302083f, 0.49814814f, 0.3f, 0.95f}, Rgba{0, 0, 0, 230});
    s.dictionaries.drawSprite(kGenericTextures, "selection_box_bg_1c",
                              ScreenBox{0.16145834f, 0.25f, 0.2302083f, 0.0962963f},
                              Rgba{50, 50, 50, 110});
    Navigate(s);
    switch (s.menu.page) {
    case kMainPage:
        RunMainPage(s);
        break;
    case kRecipesPage:
        RunRecipesPage(s);
        break;
    case kFlavoursPage:
        RunFlavoursPage(s);
        break;
    default:
        s.menu.page = kMenuClosed;
        break;
    }
}

void OpenStillMenu(BusinessScript& s) {
    s.menu.page = kMainPage;
    s.menu.openedAt = s.player.position;
    // Every page's dictionaries asked for now, so that no page's first frame has to.
    s.dictionaries.forgetAll();
    for (const char* dict :
         {kGenericTextures, kMenuTextures, kRolePictures, kInventoryItems, kBlipTextures})
        s.dictionaries.makeSureLoaded(dict);
    EnableHudContext(kShopHudContext);
    SetEntityVisible(s.player.ped, false);
    if (s.menu.camera != 0) DestroyCamera(s.menu.camera);
    const CameraPlacement at = PlacementFor(s);
    s.menu.camera = CreateScriptedCamera(at.position, Vector3{}, kFieldOfView, true);
    PointCameraAt(s.menu.camera, at.target);
    SetCameraActive(s.menu.camera, true);
    RenderScriptCameras(true, true, kEaseMs);
    events::SendBusinessEvent({static_cast<int32_t>(HashString(events::kMenuOpen))});
    // Until the menu clears it.
    StartScenarioInPlace(s.player.ped, HashString("WORLD_HUMAN_CLIPBOARD"), -1, true, kAnyCondition,
                         0.0f);
}

void CloseStillMenu(BusinessScript& s) {
    s.menu.page = kMenuClosed;
    SetEntityVisible(s.player.ped, true);
    DestroyCamera(s.menu.camera);
    SetCameraActive(s.menu.camera, false);
    RenderScriptCameras(false, true, kEaseMs);
    PlaySoundFrontend("BACK", "HUD_SHOP_SOUNDSET");
    DisableHudContext(kShopHudContext);
    events::SendBusinessEvent({static_cast<int32_t>(HashString(events::kMenuClosed))});
    ClearPedTasksNow(s.player.ped);
}

void GoToPage(BusinessScript& s, int page) {
    s.menu.page = page;
    s.menu.cursor = 0;
}

void ReturnAfterPurchase(BusinessScript& s) {
    GoToPage(s, kMainPage);
    PlaySoundFrontend("PURCHASE", "Ledger_Sounds");
    PlaySoundFrontend("upgrade_cam_pan", "Ledger_Sounds");
}

void ReturnToMainPage(BusinessScript& s) {
    GoToPage(s, kMainPage);
    PlaySoundFrontend("BACK", "HUD_SHOP_SOUNDSET");
}

void DrawMenuFrame(BusinessScript& s, const char* subtitle) {
    s.dictionaries.drawSprite(kGenericTextures, "menu_header_1a",
                              BoxFromPixels(92.0f, 51.8f, 442.0f, 108.0f, true), White());
    DrawText(s.texts.title1, 0.165f, 0.055f, MenuTitle(0.75f, true));
    DrawText(s.texts.title2, 0.165f, 0.093f, MenuTitle(0.75f, true));
    DrawText(subtitle, 0.165f, 0.16f, MenuTitle(0.35f, true));
    const Rgba red{255, 0, 0, 255};
    const float c = static_cast<float>(s.menu.cursor) * kRowStepPx;
    s.dictionaries.drawSprite(kMenuTextures, "crafting_highlight_l",
                              BoxFromPixels(86.0f, 270.0f + c, 19.0f, 100.0f), red);
    s.dictionaries.drawSprite(kMenuTextures, "crafting_highlight_r",
                              BoxFromPixels(534.0f, 270.0f + c, 19.0f, 100.0f), red);
    s.dictionaries.drawSprite(kMenuTextures, "crafting_highlight_t",
                              BoxFromPixels(310.0f, 225.0f + c, 448.0f, 22.0f), red);
    s.dictionaries.drawSprite(kMenuTextures, "crafting_highlight_b",
                              BoxFromPixels(310.0f, 315.0f + c, 448.0f, 22.0f), red);
}

void DrawMenuRow(LoadedDictionaries& dicts, int row, const char* pictureDict, const char* picture,
                 const char* title, const char* secondLine, int32_t alpha, int32_t titleAlpha) {
    const float y = 270.0f + kRowStepPx * static_cast<float>(row);
    dicts.drawSprite(kGenericTextures, "selection_box_bg_1c",
                     BoxFromPixels(310.0f, y, 442.0f, 104.0f), Rgba{50, 50, 50, 110});
    dicts.drawSprite(pictureDict, picture, BoxFromPixels(150.0f, y, 80.0f, 80.0f), White(alpha));
    const float k = 0.1f * static_cast<float>(row);
    DrawText(title, 0.112f, 0.225f + k,
             MenuTitle(0.35f, false, White(titleAlpha < 0 ? alpha : titleAlpha)));
    DrawText(secondLine, 0.112f, 0.25f + k, MenuBody(0.35f, false, alpha));
}

void DrawRowClock(LoadedDictionaries& dicts, int row, int32_t alpha) {
    const float y = 270.0f + kRowStepPx * static_cast<float>(row);
    dicts.drawSprite(kBlipTextures, "blip_time_of_day", BoxFromPixels(490.0f, y, 45.0f, 45.0f),
                     White(alpha));
}

void DrawMenuBar(LoadedDictionaries& dicts, float x, float y) {
    dicts.drawSprite(kGenericTextures, "menu_bar", ScreenBox{x, y, 0.23f, 0.0015f}, White(175));
}

} // namespace corvale::business
