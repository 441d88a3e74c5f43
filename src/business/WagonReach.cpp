#include "business/WagonReach.h"

#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Objects.h"
#include "core/natives/Strings.h"
#include "core/natives/VectorMath.h"

namespace corvale::business {

namespace {
constexpr float kAtWagon = 4.0f;
// The camp's own reach for its ledger and crate: 1 m from the spot half a metre before them.
constexpr float kCampReach = 1.0f;
constexpr float kInFront = 0.5f;
constexpr float kSearchRadius = 2.5f;

bool AtCampObject(const Vector3& player, const char* model) {
    const Object object = ClosestObjectOfModel(player, kSearchRadius, HashString(model));
    if (object == 0) return false;
    const Vector3 spot = Add(EntityPosition(object), Scale(EntityForward(object), kInFront));
    return Distance(player, spot) <= kCampReach;
}
} // namespace

bool AtWagon(const Vector3& player, float wagonDistance) {
    if (!(wagonDistance < kAtWagon)) return false;
    return !AtCampObject(player, "p_journal_open01x") && !AtCampObject(player, "p_bottlecrate02x");
}

} // namespace corvale::business
