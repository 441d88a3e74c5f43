#include "site/CampInterface.h"

#include "core/log/Log.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Objects.h"
#include "core/natives/Player.h"
#include "core/natives/Propsets.h"
#include "core/natives/Strings.h"
#include "core/natives/VectorMath.h"
#include "site/Blips.h"
#include "site/CampSetModels.h"
#include "ui/LangText.h"

#include <algorithm>
#include <cstdio>

namespace corvale {

namespace {
constexpr float kClearRadius = 30.0f;
constexpr int32_t kClearEverything = 0x7FFFFFFF;
constexpr float kStillSearchRadius = 20.0f;
constexpr float kLedgerSearchRadius = 10.0f;
// The crate stands beside the cook's work spot, sunk to its base.
const Vector3 kCrateFromWorkSpot{0.505434f, 0.15f, -0.800247f};
constexpr float kCrateTurn = -40.0f;
} // namespace

bool CampInterface::isBuilt() const {
    return location_ && propset_ != 0 && PropSetExists(propset_);
}

Vector3 CampInterface::position() const {
    return isBuilt() ? location_->position : Vector3{};
}

Object CampInterface::findNear(Object& cached, const char* model, float radius) {
    if (cached != 0 && EntityExists(cached)) return cached;
    cached = ClosestObjectOfModel(location_->position, radius, HashString(model));
    return cached;
}

// Asked every frame at the camp, after the camp manager has asked the game whether the camp
// stands: a group the game dropped took its still and ledger along, so the handle no longer
// exists and the search finds nothing.
Object CampInterface::findStill() {
    if (!location_ || propset_ == 0) return 0;
    return findNear(still_, "P_STILL02X", kStillSearchRadius);
}

Object CampInterface::findLedger() {
    if (!location_ || propset_ == 0) return 0;
    return findNear(ledger_, "p_journal_open01x", kLedgerSearchRadius);
}

void CampInterface::setLocation(const CampLocation* location) {
    if (location_) removeAllBlips();
    location_ = location;
    createCampBlip();
}

bool CampInterface::build(Hash propGroup) {
    if (!location_) return false;
    if (isBuilt()) return true;
    const CampLocation& at = *location_;
    ClearArea(at.position, kClearRadius, kClearEverything);
    propset_ = SpawnPropset(propGroup, at.position, at.heading);
    if (!isBuilt()) {
        propset_ = 0;
        return false;
    }
    char distance[32];
    std::snprintf(distance, sizeof distance, "%f",
                  static_cast<double>(Distance(at.position, PlayerPed())));
    Log("CampInterface: camp set has been created. coords: " + VectorText(at.position) +
        ", distance from player: " + distance);
    propsets_.push_back(propset_);

    const Vector3 workSpot = Add(at.position, at.cookOffset);
    if (const PropSet spot = SpawnPropset(camp_set::kCookWorkSpot, workSpot, at.cookHeading))
        propsets_.push_back(spot);
    crate_ = SpawnObject(camp_set::kCrate, Add(workSpot, kCrateFromWorkSpot),
                         at.cookHeading + kCrateTurn, false, true);
    if (crate_ != 0) {
        PlaceObjectOnGround(crate_, true);
        objects_.push_back(crate_);
    }
    if (const Object post = SpawnObject(camp_set::kHitchingPost, Add(at.position, at.hitchOffset),
                                        at.hitchHeading, false, true))
        objects_.push_back(post);
    createCampBlip();
    return true;
}

Blip CampInterface::ensureStillBlip() {
    if (!isBuilt()) return 0;
    const Object still = findStill();
    if (still == 0) return 0;
    if (stillBlip_ != 0) return stillBlip_;
    stillBlip_ = BlipForEntity(still, blips::kStyleStill, HashString("blip_moonshine_still"));
    if (stillBlip_ == 0) return 0;
    SetBlipName(stillBlip_, LangText(data_, "blips.still"));
    blips_.push_back(stillBlip_);
    return stillBlip_;
}

void CampInterface::removeStillBlip() {
    if (stillBlip_ == 0) return;
    // Forgotten here too, so removing all blips later cannot hit a handle the game has
    // since given to another blip.
    blips_.erase(std::remove(blips_.begin(), blips_.end(), stillBlip_), blips_.end());
    RemoveBlip(&stillBlip_);
}

bool CampInterface::holdsProps() const {
    return propset_ != 0 || !propsets_.empty() || !objects_.empty();
}

void CampInterface::remove() {
    // Also when the game has dropped the camp group on its own: the cook, crate, post and
    // blips are still ours.
    if (!holdsProps()) return;
    removeAllBlips();
    for (const PropSet group : propsets_)
        if (PropSetExists(group)) DeletePropSet(group, true, true);
    for (Entity& entity : objects_)
        if (EntityExists(entity)) DeleteEntity(entity);
    propsets_.clear();
    objects_.clear();
    propset_ = 0;
    still_ = 0;
    crate_ = 0;
    ledger_ = 0;
    cook_ = 0;
}

void CampInterface::createCampBlip() {
    if (!location_ || campBlip_ != 0) return;
    campBlip_ = BlipAtPoint(location_->position, HashString("BLIP_STYLE_SHOP"),
                            HashString("blip_business_moonshine"));
    if (campBlip_ == 0) return;
    SetBlipName(campBlip_, LangText(data_, "blips.camp"));
    blips_.push_back(campBlip_);
}

void CampInterface::removeAllBlips() {
    for (Blip& blip : blips_)
        RemoveBlip(&blip);
    blips_.clear();
    campBlip_ = 0;
    stillBlip_ = 0;
}

} // namespace corvale
