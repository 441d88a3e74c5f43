#pragma once
// A sabotage: the player rides to a rival moonshine camp marked on the map; within 250 m the
// camp is built from the game's prop sets and its guards come out; the camp infiltration then
// runs until the still is ruined and the player got away, or he dies. Riding off beyond 450 m
// once the camp stands gives the mission up.
#include "core/data/Settings.h"
#include "core/natives/Handles.h"
#include "missions/BaseMissionProcessor.h"
#include "missions/CampComplex.h"
#include "missions/CampInfiltrationProcessor.h"
#include "missions/InfiltrationKit.h"
#include "missions/MissionsManager.h"
#include "missions/SabotageSetup.h"

#include <memory>

namespace corvale {

class SabotageMissionProcessor final : public BaseMissionProcessor {
  public:
    enum Phase : int32_t { kStopped = -1, kApproach = 0, kLoading = 1, kInfiltration = 2 };

    // complexes: the registry the setup's complex comes from; settings: "UseMpAssets".
    SabotageMissionProcessor(SabotageSetup setup, const CampComplexes& complexes,
                             const Settings& settings, const InfiltrationKit& infiltrationKit,
                             const MissionKit& kit);

    // Besides the base's: the area blip, the guards and the objective.
    void cleanup() override;
    void update() override;
    // Places the complex's prop sets (the online still by a stand-in without MP assets) and
    // brings its guards out.
    virtual void createScene();

    int32_t phase() const { return phase_; }
    Blip areaBlip() const { return areaBlip_; }
    const CampComplex* complex() const { return complex_; }
    const SabotageSetup& setup() const { return setup_; }
    CampInfiltrationProcessor& infiltration() { return *infiltration_; }

  private:
    void approach(float distance);
    void waitForPropSets();
    void infiltrate(float distance);

    void placePropSet(const ComplexPropSet& propSet, bool useMpAssets);
    bool isOnlineStill(Hash propSet) const;
    Object placeStandInStill(const Vector3& at, float heading);
    // The objective needs a still to ruin: one stands in where the game has none.
    void ensureStillStands();

    const CampComplex* complex_;
    int32_t phase_ = kApproach;
    int32_t loadingSince_ = 0; // game timer when the scene was built
    Blip areaBlip_ = 0;
    Vector3 missionPoint_;
    SabotageSetup setup_;
    std::unique_ptr<CampInfiltrationProcessor> infiltration_;
    const Settings& settings_;

    // Names hashed once.
    Hash onlineStills_[2], standInStill_, guardModel_;
};

// The builder the camp's start-up registers for Sabotage: a complex of the camp's place
// that the MP-assets setting allows, with 6 to 9 guards; none refuses the start, logged.
MissionsManager::Builder SabotageBuilder(const CampComplexes& complexes, const Settings& settings,
                                         const InfiltrationKit& infiltrationKit);
// Registered with it: a sabotage won or lost adds to or takes from influence.
MissionOutcome SabotageOutcome();

} // namespace corvale
