#include "business/Handover.h"

#include "business/BusinessPed.h"
#include "business/BusinessScript.h"
#include "business/Delivery.h"
#include "business/Sale.h"
#include "core/events/EventNames.h"
#include "core/natives/Blips.h"
#include "core/natives/Camera.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Models.h"
#include "core/natives/Money.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"

namespace corvale::business {

namespace {
constexpr int32_t kStepOffMs = 4000;
constexpr int32_t kHandOverMs = 1000;
constexpr int32_t kFadeOutMs = 10;
constexpr int32_t kFadeInMs = 1;
constexpr int32_t kBuyerBoardTimeoutMs = 20000;
constexpr const char* kBuyerModel = "A_M_M_ValTownfolk_01";
constexpr float kBuyerHeading = 116.0f;

// Whatever happened meanwhile, the player gets the screen and the controls back.
void ScreenBack() {
    SetCinematicMode(false);
    FadeScreenIn(kFadeInMs);
}
} // namespace

void Handover::begin(BusinessScript& s) {
    // A step that throws gives the screen back on the next frame.
    steps_.then(Step::End, kStepNow);
    sold_ = false;
    wagonGone_ = false;
    paid_ = 0;
    SetCinematicMode(true);
    TaskLeaveVehicle(s.player.ped, s.camp.wagon, 0);
    // Asked for before the fade: the buyer's model loads while the player steps off.
    RequestModel(HashString(kBuyerModel));
    buyerAsked_ = GameTimerMs();
    steps_.then(Step::Sell, kStepOffMs);
}

void Handover::advance(BusinessScript& s) {
    steps_.advance([&](Step step, bool) { take(s, step); }, Step::End);
}

void Handover::take(BusinessScript& s, Step step) {
    switch (step) {
    case Step::None:
        return;
    case Step::Sell:
        return sell(s);
    case Step::Buyer:
        return bringBuyer(s);
    case Step::End:
        return end(s);
    }
}

// Four seconds in which the player may be shot or the wagon blown up: asked again.
void Handover::sell(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (const char* lost = LoadLost(s)) {
        steps_.stop();
        ScreenBack();
        return FailDelivery(s, lost);
    }
    FadeScreenOut(kFadeOutMs);
    sold_ = true;
    RemoveBlipIfExists(c.destinationBlip);
    RemoveBlipIfExists(c.wagonBlip);
    const int32_t price = SalePriceCents(s.save);
    // Saved before the money changes hands: quitting now never keeps a sold batch.
    ClearBatch(s);
    // The game refuses a payment past the top of the player's cash: none is shown then.
    paid_ = price > 0 && GiveCash(price) ? price : 0;
    SendDeliveryEvent(events::kDeliveryFinished);
    steps_.then(Step::Buyer, kStepNow);
}

// Behind the fade, once the buyer's model is in or its wait has given up.
void Handover::bringBuyer(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    if (!ModelWaitOver(HashString(kBuyerModel), buyerAsked_))
        return steps_.then(Step::Buyer, kStepNextFrame);
    Ped buyer = SpawnBusinessPed(kBuyerModel, c.destination, kBuyerHeading);
    const bool buyerCame = buyer != 0;
    if (buyerCame) {
        TaskEnterVehicle(buyer, c.wagon, kBuyerBoardTimeoutMs, kDriverSeat, 1.0f, kNormalEntry);
        TaskVehicleDriveWander(buyer, c.wagon, 1.0f, 0);
        ReleaseEntity(buyer);
    }
    handOverWagon(s);
    // A buyer whose model never came already cost the model wait: no more black screen.
    steps_.then(Step::End, buyerCame ? kHandOverMs : kStepNow);
}

// The buyer drives it off: the wagon is the game's now, and the next batch's is wanted.
void Handover::handOverWagon(BusinessScript& s) {
    if (wagonGone_) return;
    wagonGone_ = true;
    LetGoOfWagon(s);
    WagonForNextBatch(s, kWagonBlipNameAfterDelivery);
}

void Handover::end(BusinessScript& s) {
    CampAndDelivery& c = s.camp;
    steps_.stop();
    ScreenBack();
    // Broken off before the sale: the delivery goes on.
    if (!sold_) return;
    c.deliveryActive = false;
    handOverWagon(s);
    // Shown once the screen is back, not behind the fade.
    if (paid_ > 0) s.feed.showPayment(paid_);
    c.ambush.removeAll();
    s.brewing.flavourProgress = 0.0f;
}

} // namespace corvale::business
