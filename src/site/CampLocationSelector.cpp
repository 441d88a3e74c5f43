#include "site/CampLocationSelector.h"

#include "core/data/GameData.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/natives/Controls.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/HudContexts.h"
#include "core/natives/ItemInteractions.h"
#include "core/natives/Models.h"
#include "core/natives/Objects.h"
#include "core/natives/Player.h"
#include "core/natives/Radar.h"
#include "core/natives/Strings.h"
#include "core/natives/TextureDictionaries.h"
#include "core/text/TextFormat.h"
#include "core/timers/Elapsed.h"
#include "site/CampFee.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "ui/LangText.h"
#include "core/draw/ScreenDraw.h"

#include <memory>

namespace corvale {

namespace {

constexpr const char* kMapModel = "mp006_p_mnshine_hideout_map01x";
constexpr const char* kPictures = "menu_camp_textures";
constexpr const char* kMapIntro = "DOCUMENT_INSPECT@Paper_W48-2_H32-2_FoldVerticalHorizontal_INTRO";
constexpr const char* kMapHeld = "DOCUMENT_INSPECT@Paper_W48-2_H32-2_FoldVerticalHorizontal_BASE";
constexpr const char* kMapOutro = "DOCUMENT_INSPECT@Paper_W48-2_H32-2_FoldVerticalHorizontal_OUTRO";
constexpr int32_t kInteractionFlags = 1;
constexpr float kInteractionDuration = -1.0f;
// The map is hidden while the hands reach for it.
constexpr int32_t kRevealAfterMs = 500;
// Held, the map keeps the player still: one this far from where he took it out was carried
// off (a fast travel, a fall), and the map goes with no one's hands.
constexpr float kCarriedOffRange = 10.0f;

// Layout, in screen fractions.
constexpr float kLeft = 0.045f;
constexpr float kWidth = 0.19f;
constexpr float kListTop = 0.185f;
constexpr float kBottomLine = 0.93f;
constexpr float kDividerHeight = 0.0015f;
constexpr int32_t kLight = 229;

void Divider(float y) {
    DrawSprite("menu_textures", "divider_line", kLeft, y, kWidth, kDividerHeight, 0.0f, kLight,
               kLight, kLight, 255);
}

void TitleText(const char* text, float x, float y, bool centred, float scale) {
    DrawText(text, x, y, kLight, kLight, kLight, 255, centred, scale, scale, "$title");
}

MenuInputShape EntryShape() {
    MenuInputShape shape;
    shape.x = kLeft;
    shape.width = kWidth;
    shape.height = 0.05f;
    shape.margin = 0.005f;
    shape.topInset = 0.005f;
    shape.leftInset = 0.0f;
    shape.textScale = 0.34f;
    return shape;
}

} // namespace

CampLocationSelector::CampLocationSelector(const CampInterface& campSet, const GameData& data,
                                           const CampFeeReader& fee)
    : campSet_(campSet), data_(data), fee_(fee) {
    for (const CampLocation& location : CampLocations()) {
        // No price column: the fee row below the list shows what a move costs.
        auto entry = std::make_unique<ShopMenuInput>(
            location.missionId, CampLocationName(data_, location), 0.0f, EntryShape());
        entry->acceptCallback = [this](MenuInput& picked) { onPick(picked); };
        list_.add(std::move(entry));
    }
}

void CampLocationSelector::onOpen() {
    phase_ = Phase::Opening;
    mapHeldState_ = HashString(kMapHeld);
    frontendUp_ = HashString("INPUT_FRONTEND_UP");
    fastTravelMenu_ = HashString("HUD_CTX_IN_FAST_TRAVEL_MENU");
    title_ = LangText(data_, "location_selector.title");
    feeLabel_ = LangText(data_, "location_selector.price");
    const uint64_t fee = CashAmountText(fee_.cents());
    CopyText(feeText_, fee ? reinterpret_cast<const char*>(fee) : "");

    takenOutAt_ = PlayerPosition();
    revealed_ = false;
    mapObject_ = 0;
    RequestModel(HashString(kMapModel));
    mapAskedAt_ = GameTimerMs();
    takeOutMap();
}

// A map model the game never streams would hold the camp's whole frame if waited for here.
void CampLocationSelector::takeOutMap() {
    if (!ModelWaitOver(HashString(kMapModel), mapAskedAt_)) return;
    // Made in the player's hands, not at the world's origin.
    mapObject_ = SpawnObject(kMapModel, takenOutAt_, 0.0f, false, true);
    if (mapObject_ == 0) {
        Log("CampLocationSelector: the map could not be spawned, closing");
        close();
        return;
    }
    SetEntityVisible(mapObject_, false);
    StartItemInteraction(PlayerPed(), HashString("OPERATION_LOCATIONS_MAP"), mapObject_,
                         HashString("PrimaryItem"), HashString(kMapIntro), kInteractionFlags,
                         kInteractionDuration);
    interactionStartedAt_ = GameTimerMs();
}

// Once the hands have reached for it, the map shows and the list is made ready.
void CampLocationSelector::reveal() {
    revealed_ = true;
    SetEntityVisible(mapObject_, true);
    ShowRadar(false);
    RequestTextureDict(kPictures);
    markCurrentLocation();
    list_.selectFirst();
}

void CampLocationSelector::markCurrentLocation() {
    const CampLocation* current = campSet_.location();
    if (!current) return;
    for (int i = 0; i < list_.count(); ++i) {
        MenuInput* entry = list_.itemAt(i);
        if (entry->id != current->id) continue;
        entry->setTicked(true);
        entry->setDisabled(true); // the camp is there already
        return;
    }
}

bool CampLocationSelector::carriedOff() const {
    return Distance(PlayerPosition(), takenOutAt_) > kCarriedOffRange;
}

void CampLocationSelector::tick() {
    if (phase_ != Phase::Closed && carriedOff()) {
        Log("CampLocationSelector: the player was carried off with the map, putting it away");
        close();
        return;
    }
    switch (phase_) {
    case Phase::Opening:
        waitForMapHeld();
        break;
    case Phase::Shown:
        followMap();
        break;
    case Phase::Closed:
        break;
    }
}

// The opening is a phase of its own, frame by frame: the camp goes on meanwhile.
void CampLocationSelector::waitForMapHeld() {
    if (mapObject_ == 0) return takeOutMap();
    if (!revealed_ && ElapsedSince(interactionStartedAt_) >= kRevealAfterMs) reveal();
    if (revealed_ && ItemInteractionState(PlayerPed()) == mapHeldState_) {
        phase_ = Phase::Shown;
        return;
    }
    // On a horse, in water or in a fight the map may never come up.
    if (ElapsedSince(interactionStartedAt_) < kMapHeldLimitMs) return;
    Log("CampLocationSelector: the map was not held up within 5 s, putting it away");
    close();
}

void CampLocationSelector::followMap() {
    if (ItemInteractionState(PlayerPed()) == mapHeldState_) {
        draw();
        return;
    }
    close(); // put away, or the player was interrupted
}

void CampLocationSelector::onClose() {
    phase_ = Phase::Closed;
    if (mapObject_ != 0) DeleteEntity(mapObject_);
    mapObject_ = 0;
    ShowRadar(true);
    for (int i = 0; i < list_.count(); ++i) {
        MenuInput* entry = list_.itemAt(i);
        entry->setTicked(false);
        entry->setDisabled(false);
    }
    const Ped player = PlayerPed();
    if (ItemInteractionState(player) == mapHeldState_)
        SetItemInteractionState(player, HashString(kMapOutro));
}

void CampLocationSelector::draw() {
    if (!TextureDictLoaded(kPictures)) return;
    DisableControlThisFrame(frontendUp_, true);
    EnableHudContextThisFrame(fastTravelMenu_);

    DrawSprite("generic_textures", "inkroller_1a", 0.015f, 0.025f, 0.25f, 0.95f, 0.0f, 4, 4, 4,
               210);
    DrawSprite("generic_textures", "menu_header_1a", kLeft, 0.04f, kWidth, 0.1f, 0.0f, kLight,
               kLight, kLight, 255);
    TitleText(title_, 0.14f, 0.025f + 0.043478261517441795f, true, 0.6f);

    list_.setTop(kListTop);
    list_.update();
    Divider(kListTop + list_.totalHeight());
    Divider(kBottomLine);

    float y = kBottomLine - 0.0365f;
    TitleText(feeLabel_, kLeft + 0.015f / 3.0f, y, false, 0.4f);
    TitleText(feeText_, 0.235f - 0.03f - 0.015f * 1.3f, y, false, 0.4f);
    y -= 0.0135f;
    Divider(y);

    const int selected = list_.selectedIndex();
    if (selected < 0 || selected >= static_cast<int>(CampLocations().size())) return;
    const float side = kWidth;
    DrawSprite(kPictures, CampLocations()[static_cast<size_t>(selected)].picture, kLeft,
               y - (0.015f + side), side, side, 0.0f, kLight, kLight, kLight, 255);
}

void CampLocationSelector::onPick(const MenuInput& entry) {
    // The camp manager moves the camp and closes the selector when it reads this.
    events::SendCampEvent(
        {static_cast<int32_t>(HashString(events::kCampLocationChanged)), entry.id, 0});
}

} // namespace corvale
