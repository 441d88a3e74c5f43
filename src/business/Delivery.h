#pragma once
// Selling a finished batch: the camp's location, the delivery wagon at the camp, and the
// drive to the buyer with its ambushes, payment and end.
#include "core/events/EventChannel.h"

namespace corvale::business {

class BusinessScript;

// Step 12: the camp plug-in's "CORVALE_CAMP_LOCATION_SET", heard while no change is pending.
void ReadCampLocationEvent(BusinessScript& script, const events::ScriptEvent& event);
// Step 14: a pending location applies a second after its event, and only between deliveries:
// the old wagon goes back to the game and a new one is placed at the new camp.
void ApplyPendingLocation(BusinessScript& script);
// Step 15: the wagon's blip and the sell prompt at the camp, or the running delivery.
void TickDelivery(BusinessScript& script);

// Places a new wagon at the camp with its blip named name; false when none could be placed.
bool SpawnWagon(BusinessScript& script, const char* blipName);
// The wagon goes back to the game with its blip: it stays where it is until nobody looks.
void LetGoOfWagon(BusinessScript& script);

// The delivery's steps (DeliveryRun.cpp).
void StartDelivery(BusinessScript& script);
void RunDelivery(BusinessScript& script);
void FinishDelivery(BusinessScript& script);
void FailDelivery(BusinessScript& script, const char* message);

// Texts of the delivery, and the wagon's blip name after a delivery ends.
inline constexpr const char* kWagonBlipNameAfterDelivery = "Delivery Wagon";

} // namespace corvale::business
