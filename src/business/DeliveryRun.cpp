// The delivery itself: from the sell prompt to the buyer, or to a lost load.
#include "business/Ambush.h"
#include "business/BusinessPed.h"
#include "business/BusinessScript.h"
#include "business/CampLocations.h"
#include "business/Delivery.h"
#include "business/Sale.h"
#include "core/draw/ScreenDraw.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Blips.h"
#include "core/natives/Camera.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Money.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Vehicles.h"
#include "core/platform/Platform.h"
#include "core/timers/Elapsed.h"

namespace corvale::business {

namespace {
constexpr int32_t kFirstAmbushMs = 60000;
constexpr int32_t kAmbushRepeatMs = 200000;
constexpr float kBuyerCircle = 30.0f;
constexpr float kNoAmbushNearBuyer = 100.0f;
constexpr float kBuyerBlipRadius = 40.0f;
constexpr int32_t kSinglePlayer = 0;
constexpr int32_t kDriverSeat = -1;
constexpr int32_t kBoardTimeoutMs = 5000;
constexpr int32_t kBuyerBoardTimeoutMs = 20000;
constexpr int32_t kNormalEntry = 1;
constexpr int32_t kStepOffMs = 4000;
constexpr int32_t kHandOverMs = 1000;
constexpr int32_t kFadeOutMs = 10;
constexpr int32_t kFadeInMs = 1;
constexpr const char* kBuyerModel = "A_M_M_ValTownfolk_01";
constexpr float kBuyerHeading = 116.0f;

void Send(const char* name) {
    events::SendBusinessEvent({static_cast<int32_t>(HashString(name))});
}

// The handover plays in the cinematic view behind a fade; whatever happens meanwhile, the
// player gets the screen and the controls back.
class HandoverScene {
  public:
    HandoverScene() { SetCinematicMode(true); }
    ~HandoverScene() {
        SetCinematicMode(false);
        FadeScreenIn(kFadeInMs);
    }
    HandoverScene(const HandoverScene&) = delete;
    HandoverScene& operator=(const HandoverScene&) = delete;
};

// The batch leaves the still and the file says so before anything else happens.
void ClearBatch(BusinessScript& s) {
    ClearDeliveredBatch(s.save);
    s.writeSaveNow();
}

void ShowWayMarks(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (IsPedSittingInVehicle(s.player.ped, c.wagon)) {
        RemoveBlipIfExists(c.wagonBlip);
        if (c.destinationBlip != 0 && BlipExists(c.destinationBlip)) return;
        c.destinationBlip = AddAreaBlip(blips::kStyleDelivery, c.destination, kBuyerBlipRadius);
        AddBlipModifier(c.destinationBlip, blips::kModifierDestination);
        SetBlipSprite(c.destinationBlip, blips::kSpriteBuyer);
        SetBlipLabel(c.destinationBlip, TextLiteral(s.texts.delivery.destinationBlipName));
        return;
    }
    // Off the wagon: the map leads back to it.
    if (c.wagonBlip == 0 || !BlipExists(c.wagonBlip)) {
        c.wagonBlip = AddEntityBlip(blips::kStyleDelivery, c.wagon);
        SetBlipSprite(c.wagonBlip, blips::kSpriteWagon);
        SetBlipLabel(c.wagonBlip, TextLiteral(s.texts.delivery.wagonBlipName));
    }
    RemoveBlipIfExists(c.destinationBlip);
}

// The player first, then the wagon: a dead driver or a wreck is never paid. The message
// of the loss, or nullptr while the load is safe.
const char* LoadLost(const BusinessScript& s) {
    if (IsPlayerDead(kSinglePlayer)) return s.texts.delivery.suppliesStolen;
    if (!IsVehicleDriveable(s.camp.wagon, true, true)) return s.texts.delivery.suppliesDestroyed;
    return nullptr;
}

// Once a delivery ends, a wagon waits at the camp; after a move that waited for the delivery,
// at the new camp only, where the pending place puts it.
void WagonForNextBatch(BusinessScript& s, const char* blipName) {
    // The handover took seconds: what the camp said meanwhile is read first.
    s.player.now = GameTimerMs();
    s.readEvents();
    if (s.camp.pendingLocation != s.camp.campLocation) return;
    SpawnWagon(s, blipName);
}

void AmbushWhenDue(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (ElapsedMs(s.player.now, c.ambushClock) <= c.ambushDelayMs) return;
    if (!(Distance(s.player.position, c.destination) > kNoAmbushNearBuyer)) return;
    c.ambush.spawnWave(s.player.ped, s.player.position, WaveSize(platform::Random()));
    c.ambushClock = GameTimerMs();
    c.ambushDelayMs = kAmbushRepeatMs;
}

// Behind the fade: the batch is sold, the buyer drives the wagon off. What was paid.
int32_t HandOver(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    FadeScreenOut(kFadeOutMs);
    c.deliveryActive = false;
    RemoveBlipIfExists(c.destinationBlip);
    RemoveBlipIfExists(c.wagonBlip);
    const int32_t price = SalePriceCents(s.save);
    // Saved before the money changes hands: quitting now never keeps a sold batch.
    ClearBatch(s);
    // The game refuses a payment past the top of the player's cash: none is shown then.
    const int32_t paid = price > 0 && GiveCash(price) ? price : 0;
    Send(events::kDeliveryFinished);
    Ped buyer = SpawnBusinessPed(kBuyerModel, c.destination, kBuyerHeading);
    const bool buyerCame = buyer != 0;
    if (buyerCame) {
        TaskEnterVehicle(buyer, c.wagon, kBuyerBoardTimeoutMs, kDriverSeat, 1.0f, kNormalEntry);
        TaskVehicleDriveWander(buyer, c.wagon, 1.0f, 0);
        ReleaseEntity(buyer);
    }
    // The buyer drives it off: the wagon is the game's now.
    LetGoOfWagon(s);
    // A buyer whose model never came already cost the model wait: no more black screen.
    if (buyerCame) ScriptWait(kHandOverMs);
    return paid;
}

} // namespace

void StartDelivery(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    // A wagon wrecked at the camp would lose the batch on the first frame of the drive.
    if (c.wagon == 0 || !IsVehicleDriveable(c.wagon, false, false)) {
        LetGoOfWagon(s);
        if (!SpawnWagon(s, s.texts.delivery.wagonBlipName)) return;
    }
    if (BuyerOf(c.campLocation, 0))
        c.destination = *BuyerOf(c.campLocation, platform::Random() % kDestinationsPerLocation);
    ShowMessageLine(s.texts.delivery.boardWagon);
    RemoveBlipIfExists(c.wagonBlip);
    c.ambushClock = s.player.now;
    c.ambushDelayMs = kFirstAmbushMs;
    c.stopHintShown = false;
    c.deliveryActive = true;
    TaskEnterVehicle(s.player.ped, c.wagon, kBoardTimeoutMs, kDriverSeat, 1.0f, kNormalEntry);
}

void RunDelivery(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (const char* lost = LoadLost(s)) return FailDelivery(s, lost);
    // The buyer takes the wagon, not a player who rode ahead alone.
    if (Distance(c.wagon, c.destination) < kBuyerCircle) {
        if (IsVehicleStopped(c.wagon)) return FinishDelivery(s);
        if (!c.stopHintShown) ShowMessageLine(s.texts.delivery.stopWagon);
        c.stopHintShown = true;
    } else {
        c.stopHintShown = false;
    }
    AmbushWhenDue(s);
    c.ambush.checkNextRider();
    ShowWayMarks(s);
}

void FinishDelivery(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    int32_t paid = 0;
    const char* lost = nullptr;
    {
        HandoverScene scene;
        TaskLeaveVehicle(s.player.ped, c.wagon, 0);
        ScriptWait(kStepOffMs);
        // Four seconds in which the player may be shot or the wagon blown up: asked again.
        lost = LoadLost(s);
        if (!lost) paid = HandOver(s);
    }
    if (lost) return FailDelivery(s, lost);
    // Shown once the screen is back, not behind the fade.
    if (paid > 0) s.feed.showPayment(paid);
    c.ambush.removeAll();
    WagonForNextBatch(s, kWagonBlipNameAfterDelivery);
    s.brewing.flavourProgress = 0.0f;
}

void FailDelivery(BusinessScript& s, const char* message) {
    CampAndDelivery& c = s.camp;
    c.deliveryActive = false;
    RemoveBlipIfExists(c.destinationBlip);
    RemoveBlipIfExists(c.wagonBlip);
    ClearBatch(s);
    Send(events::kDeliveryNotFinished);
    // The lost wagon stays where it is, the game's to clear away.
    LetGoOfWagon(s);
    WagonForNextBatch(s, kWagonBlipNameAfterDelivery);
    c.ambush.removeAll();
    ShowMessageLine(message);
    s.brewing.flavourProgress = 0.0f;
}

} // namespace corvale::business
