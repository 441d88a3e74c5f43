#include "missions/CampComplex.h"

#include "core/log/Log.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"

#include <string>

namespace corvale {

namespace {
Vector3 ToVector(const TablePoint& p) {
    return Vector3(p.x, p.y, p.z);
}

float DistanceSquared(const Vector3& a, const Vector3& b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}
} // namespace

void CampComplexes::fill() {
    fill(ComplexRows(), PropSetRows());
}

void CampComplexes::fill(std::span<const ComplexRow> complexes,
                         std::span<const PropSetRow> propSets) {
    if (!all_.empty()) return;
    all_.reserve(complexes.size());
    for (const ComplexRow& row : complexes) {
        CampComplex complex;
        complex.locationId = row.locationId;
        complex.centre = ToVector(row.centre);
        complex.stillPosition = row.hasStill ? ToVector(row.still) : complex.centre;
        complex.requiresMpAssets = row.requiresMpAssets;
        all_.push_back(std::move(complex));
    }
    for (const PropSetRow& row : propSets) {
        // A row that names no complex of the table belongs nowhere.
        if (row.complex < 0 || static_cast<size_t>(row.complex) >= all_.size()) continue;
        all_[static_cast<size_t>(row.complex)].propSets.push_back(ComplexPropSet{
            ToVector(row.position), HashString(row.name), row.heading, row.requiresMpAssets});
    }
    // Pointers into all_ stay valid: it is never grown again.
    for (const CampComplex& complex : all_)
        byLocation_[complex.locationId].push_back(&complex);
    Log("CampComplexes: filled with " + std::to_string(all_.size()) + " camp complexes");
}

std::span<const CampComplex* const> CampComplexes::ofLocation(int32_t locationId) const {
    const auto found = byLocation_.find(locationId);
    if (found == byLocation_.end()) return {};
    return found->second;
}

const CampComplex* CampComplexes::chooseComplex(int32_t locationId, bool useMpAssets,
                                                const Draw& draw) const {
    const auto complexes = ofLocation(locationId);
    int32_t allowed = 0;
    for (const CampComplex* complex : complexes)
        allowed += useMpAssets || !complex->requiresMpAssets;
    if (allowed == 0) return nullptr;
    int32_t pick = draw(allowed);
    for (const CampComplex* complex : complexes) {
        if (!useMpAssets && complex->requiresMpAssets) continue;
        if (pick-- == 0) return complex;
    }
    // A draw outside the range: the game's answer is not trusted blindly.
    return nullptr;
}

const CampComplex* CampComplexes::chooseComplex(int32_t locationId, bool useMpAssets) const {
    return chooseComplex(locationId, useMpAssets,
                         [](int32_t count) { return RandomInt(0, count); });
}

const CampComplex* CampComplexes::nearestComplex(const Vector3& point) const {
    const CampComplex* nearest = nullptr;
    float best = 0.0f;
    for (const CampComplex& complex : all_) {
        const float d = DistanceSquared(complex.centre, point);
        if (nearest == nullptr || d < best) {
            nearest = &complex;
            best = d;
        }
    }
    return nearest;
}

} // namespace corvale
