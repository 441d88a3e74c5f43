#pragma once
// The rival moonshine camps a sabotage is sent against: each a group of the game's prop sets
// (campfires, tents, stills) near one of the player's camp places, and the registry that holds
// them for the life of the script.
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

namespace corvale {

struct ComplexPropSet {
    Vector3 position;
    Hash propSetHash = 0;
    float heading = 0.0f;
    bool requiresMpAssets = false;
};

struct CampComplex {
    int32_t locationId = 0; // the player's camp place it belongs to
    Vector3 centre;
    Vector3 stillPosition; // the centre unless the table places a still
    std::vector<ComplexPropSet> propSets;
    bool requiresMpAssets = false;
};

// The authored table, as plain rows: a complex, then the prop sets standing in it.
struct TablePoint {
    float x, y, z;
};
struct ComplexRow {
    int32_t locationId;
    TablePoint centre;
    bool hasStill; // else the still position is the centre
    TablePoint still;
    bool requiresMpAssets;
};
struct PropSetRow {
    int32_t complex; // index into the complex rows
    const char* name;
    TablePoint position;
    float heading;
    bool requiresMpAssets;
};
std::span<const ComplexRow> ComplexRows();
std::span<const PropSetRow> PropSetRows();

class CampComplexes {
  public:
    // Draws an index below count (the game's random range).
    using Draw = std::function<int32_t(int32_t count)>;

    CampComplexes() = default;
    CampComplexes(const CampComplexes&) = delete;
    CampComplexes& operator=(const CampComplexes&) = delete;

    // Builds both registries from the table once, while they are empty, and logs how many.
    void fill();
    // Builds from given rows instead (a test's own table).
    void fill(std::span<const ComplexRow> complexes, std::span<const PropSetRow> propSets);

    const std::vector<CampComplex>& all() const { return all_; }
    // The complexes of a camp place in table order; empty for a place without any.
    std::span<const CampComplex* const> ofLocation(int32_t locationId) const;

    // One of the place's complexes that may be used (MP ones only with MP assets), drawn at
    // random; null when there is none. One pass over the place's list, no allocation.
    const CampComplex* chooseComplex(int32_t locationId, bool useMpAssets, const Draw& draw) const;
    const CampComplex* chooseComplex(int32_t locationId, bool useMpAssets) const;
    // The complex whose centre is nearest the point, the earlier on a tie; null when empty.
    const CampComplex* nearestComplex(const Vector3& point) const;

  private:
    std::vector<CampComplex> all_;
    std::map<int32_t, std::vector<const CampComplex*>> byLocation_;
};

} // namespace corvale
