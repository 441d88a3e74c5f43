#include "business/Delivery.h"

#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "business/CampLocations.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Blips.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Models.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Strings.h"
#include "core/natives/Vehicles.h"
#include "core/timers/Elapsed.h"

namespace corvale::business {

namespace {
constexpr const char* kWagonModel = "WAGON05X";
constexpr int32_t kLocationApplyDelayMs = 1000;
constexpr float kWagonBlipRange = 50.0f;
constexpr int32_t kLeadHarness = -1;
constexpr int32_t kAskAgainMs = 1000;

void AddWagonBlip(CampAndDelivery& c, const char* name) {
    c.wagonBlip = AddEntityBlip(blips::kStyleWagonAtCamp, c.wagon);
    SetBlipSprite(c.wagonBlip, blips::kSpriteWagon);
    SetBlipLabel(c.wagonBlip, TextLiteral(name));
    AddBlipModifier(c.wagonBlip, HashString("BLIP_MODIFIER_PULSE_THREE_TIMES"));
}

bool WagonBlipShown(const CampAndDelivery& c) {
    return c.wagonBlip != 0 && BlipExists(c.wagonBlip);
}

// The sell prompt in the wagon's prompt group, ready only for a full batch and a known camp.
// While the still menu is open the wagon offers nothing: a delivery would drive under the
// menu's camera and page.
// A wagon still wanted offers no sale: a start could find no wagon and lose the batch.
void OfferSale(BusinessScript& s) {
    if (s.menu.page != kMenuClosed) return;
    const bool ready =
        s.save.production == kFullBatch && s.camp.campLocation != 0 && s.camp.wagon != 0;
    s.prompts.sell.want(ready, true);
    s.prompts.ledger.want(false, false);
    ShowPromptGroupThisFrame(kWagonPromptGroup, TextLiteral(s.texts.delivery.wagonBlipName));
    if (s.prompts.sell.completed()) StartDelivery(s);
}
} // namespace

void ReadCampLocationEvent(BusinessScript& s, const events::ScriptEvent& e) {
    CampAndDelivery& c = s.camp;
    if (!e.is(events::kCampLocationSet)) return;
    c.locationEventTime = s.player.now;
    if (const int number = CampLocationNumber(e.word(1))) c.pendingLocation = number;
}

void ApplyPendingLocation(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (c.pendingLocation == c.campLocation) return;
    // Moving mid-delivery would swap the loaded wagon for an empty one: the move waits.
    if (c.deliveryActive) return;
    if (ElapsedMs(s.player.now, c.locationEventTime) <= kLocationApplyDelayMs) return;
    c.campLocation = c.pendingLocation;
    const WagonPlace* place = WagonPlaceAt(c.campLocation);
    if (!place) return;
    c.campPoint = place->point;
    c.campHeading = place->heading;
    s.player.campDistance = Distance(c.campPoint, s.player.position);
    s.player.atWagon = false; // asked again next frame, at the new place
    LetGoOfWagon(s);
    WantWagon(s, s.texts.delivery.wagonBlipName);
}

void TickDelivery(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (c.handover.underWay()) return c.handover.advance(s);
    if (c.deliveryActive) return RunDelivery(s);
    PlaceWantedWagon(s);
    const float distance = s.player.campDistance;
    if (!(distance < kWagonBlipRange)) {
        RemoveBlipIfExists(c.wagonBlip);
    } else if (c.wagon != 0 && !WagonBlipShown(c) && EntityExists(c.wagon)) {
        AddWagonBlip(c, s.texts.delivery.wagonBlipName);
    }
    if (s.player.atWagon) OfferSale(s);
}

bool WantWagon(BusinessScript& s, const char* blipName) {
    WantedWagon& w = s.camp.wantedWagon;
    RequestModel(HashString(kWagonModel));
    w = WantedWagon{true, false, GameTimerMs(), blipName};
    PlaceWantedWagon(s);
    return s.camp.wagon != 0;
}

void PlaceWantedWagon(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    WantedWagon& w = c.wantedWagon;
    if (!w.wanted) return;
    const Hash model = HashString(kWagonModel);
    if (w.gaveUp) {
        if (ElapsedSince(w.since) < kAskAgainMs) return;
        w.since = GameTimerMs();
        RequestModel(model);
        if (!ModelLoaded(model)) return;
    } else if (!ModelWaitOver(model, w.since)) {
        return;
    } else if (!ModelLoaded(model)) {
        w.gaveUp = true;
        return;
    }
    c.wagon = CreateVehicle(model, c.campPoint, c.campHeading);
    // Refused by the game: asked again in a second.
    if (c.wagon == 0) {
        w.gaveUp = true;
        w.since = GameTimerMs();
        return;
    }
    w.wanted = false;
    // The horses in harness are not to be shot out of it: the lead and the last.
    if (const Ped lead = DraftHorse(c.wagon, kLeadHarness)) SetInvincible(lead, true);
    if (const Ped last = DraftHorse(c.wagon, PassengerSeatCount(c.wagon) - 1))
        SetInvincible(last, true);
    RemoveBlipIfExists(c.wagonBlip);
    AddWagonBlip(c, w.blipName);
}

void LetGoOfWagon(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    c.wantedWagon.wanted = false;
    RemoveBlipIfExists(c.wagonBlip);
    if (c.wagon != 0 && EntityExists(c.wagon)) ReleaseEntity(c.wagon);
    c.wagon = 0;
}

} // namespace corvale::business
