// The delivery itself: from the sell prompt to the buyer, or to a lost load.
#include "business/Ambush.h"
#include "business/BusinessScript.h"
#include "business/CampLocations.h"
#include "business/Delivery.h"
#include "business/Sale.h"
#include "core/draw/ScreenDraw.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Blips.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Player.h"
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
constexpr int32_t kBoardTimeoutMs = 5000;

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

// A due wave comes on the frame its models' waits are over, never waiting in the frame.
void AmbushWhenDue(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (ElapsedMs(s.player.now, c.ambushClock) <= c.ambushDelayMs) return;
    if (!(Distance(s.player.position, c.destination) > kNoAmbushNearBuyer)) return;
    if (!c.ambush.modelsReady()) return;
    c.ambush.spawnWave(s.player.ped, s.player.position, WaveSize(platform::Random()));
    c.ambushClock = GameTimerMs();
    c.ambushDelayMs = kAmbushRepeatMs;
    c.ambush.requestModels();
}

} // namespace

void SendDeliveryEvent(const char* name) {
    events::SendBusinessEvent({static_cast<int32_t>(HashString(name))});
}

void ClearBatch(BusinessScript& s) {
    ClearDeliveredBatch(s.save);
    s.writeSaveNow();
}

const char* LoadLost(const BusinessScript& s) {
    if (IsPlayerDead(kSinglePlayer)) return s.texts.delivery.suppliesStolen;
    if (!IsVehicleDriveable(s.camp.wagon, true, true)) return s.texts.delivery.suppliesDestroyed;
    return nullptr;
}

void WagonForNextBatch(BusinessScript& s, const char* blipName) {
    if (s.camp.pendingLocation != s.camp.campLocation) return;
    WantWagon(s, blipName);
}

void StartDelivery(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    // A wagon wrecked at the camp would lose the batch on the first frame of the drive: a
    // new one is wanted, and the sale is offered again once it stands.
    if (c.wagon == 0 || !IsVehicleDriveable(c.wagon, false, false)) {
        LetGoOfWagon(s);
        if (!WantWagon(s, s.texts.delivery.wagonBlipName)) return;
    }
    if (BuyerOf(c.campLocation, 0))
        c.destination = *BuyerOf(c.campLocation, platform::Random() % kDestinationsPerLocation);
    ShowMessageLine(s.texts.delivery.boardWagon);
    RemoveBlipIfExists(c.wagonBlip);
    c.ambushClock = s.player.now;
    c.ambushDelayMs = kFirstAmbushMs;
    c.stopHintShown = false;
    c.deliveryActive = true;
    // The first wave's models load while the player drives.
    c.ambush.requestModels();
    TaskEnterVehicle(s.player.ped, c.wagon, kBoardTimeoutMs, kDriverSeat, 1.0f, kNormalEntry);
}

void RunDelivery(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (const char* lost = LoadLost(s)) return FailDelivery(s, lost);
    // The buyer takes the wagon, not a player who rode ahead alone.
    if (Distance(c.wagon, c.destination) < kBuyerCircle) {
        if (IsVehicleStopped(c.wagon)) return c.handover.begin(s);
        if (!c.stopHintShown) ShowMessageLine(s.texts.delivery.stopWagon);
        c.stopHintShown = true;
    } else {
        c.stopHintShown = false;
    }
    AmbushWhenDue(s);
    c.ambush.checkNextRider(s.player.position);
    ShowWayMarks(s);
}

void FailDelivery(BusinessScript& s, const char* message) {
    CampAndDelivery& c = s.camp;
    c.deliveryActive = false;
    RemoveBlipIfExists(c.destinationBlip);
    RemoveBlipIfExists(c.wagonBlip);
    ClearBatch(s);
    SendDeliveryEvent(events::kDeliveryNotFinished);
    // The lost wagon stays where it is, the game's to clear away.
    LetGoOfWagon(s);
    WagonForNextBatch(s, kWagonBlipNameAfterDelivery);
    c.ambush.removeAll();
    ShowMessageLine(message);
    s.brewing.flavourProgress = 0.0f;
}

} // namespace corvale::business
