#pragma once
// Selling a finished batch: the camp's location, the delivery wagon at the camp, and the
// drive to the buyer with its ambushes, payment and end.
#include "core/events/EventChannel.h"

#include <cstdint>

namespace corvale::business {

class BusinessScript;

// Step 12: the camp plug-in's "CORVALE_CAMP_LOCATION_SET", heard while no change is pending.
void ReadCampLocationEvent(BusinessScript& script, const events::ScriptEvent& event);
// Step 14: a pending location applies a second after its event, and only between deliveries:
// the old wagon goes back to the game and a new one is placed at the new camp.
void ApplyPendingLocation(BusinessScript& script);
// Step 15: the wagon's blip and the sell prompt at the camp, or the running delivery.
void TickDelivery(BusinessScript& script);

// A new wagon is wanted at the camp with its blip named name: asked for now and placed on
// the frame its model is in, this one when it is already. True when it stands now.
bool WantWagon(BusinessScript& script, const char* blipName);
// Once a frame between deliveries: the wanted wagon is placed once its model is in. A wait
// that gives up places nothing; the model is asked for again once a second, quietly.
void PlaceWantedWagon(BusinessScript& script);
// The wagon goes back to the game with its blip: it stays where it is until nobody looks.
void LetGoOfWagon(BusinessScript& script);

// The delivery's steps (DeliveryRun.cpp; the handover in Handover.cpp).
void StartDelivery(BusinessScript& script);
void RunDelivery(BusinessScript& script);
void FailDelivery(BusinessScript& script, const char* message);
// The player first, then the wagon: a dead driver or a wreck is never paid. The message of
// the loss, or nullptr while the load is safe.
const char* LoadLost(const BusinessScript& script);
// The batch leaves the still and the file says so before anything else happens.
void ClearBatch(BusinessScript& script);
void SendDeliveryEvent(const char* name);
// Once a delivery ends, a wagon is wanted at the camp; after a move that waited for the
// delivery, at the new camp only, where the pending place puts it.
void WagonForNextBatch(BusinessScript& script, const char* blipName);

// How the player and the buyer board the wagon: the driver's seat, the normal way in.
inline constexpr int32_t kDriverSeat = -1;
inline constexpr int32_t kNormalEntry = 1;

// Texts of the delivery, and the wagon's blip name after a delivery ends.
inline constexpr const char* kWagonBlipNameAfterDelivery = "Delivery Wagon";

} // namespace corvale::business
