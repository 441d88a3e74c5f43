#pragma once
// A sabotage: the player rides to a rival moonshine camp marked on the map; within 250 m the
// camp is built from the game's prop sets and its guards come out; the camp infiltration then
// runs until the still is ruined and the player got away, or he dies. Riding off beyond 450 m
// once the camp stands gives the mission up.
#include "core/data/Settings.h"
#include "core/natives/Handles.h"
#include "core/natives/Models.h"
#include "missions/BaseMissionProcessor.h"
#include "missions/CampComplex.h"
#include "missions/CampInfiltrationProcessor.h"
#include "missions/InfiltrationKit.h"
#include "missions/MissionsManager.h"
#include "missions/SabotageSetup.h"
#include "missions/SceneStreaming.h"

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
    // Asks for the complex's prop sets and the guards' model; once their waits are over the
    // sets are placed in one frame (the online still by a stand-in without MP assets or when
    // its set never loaded) and the guards come out over the frames after, one every 200 ms.
    // No frame waits for any of them.
    virtual void createScene();

    int32_t phase() const { return phase_; }
    Blip areaBlip() const { return areaBlip_; }
    const CampComplex* complex() const { return complex_; }
    const SabotageSetup& setup() const { return setup_; }
    CampInfiltrationProcessor& infiltration() { return *infiltration_; }

  private:
    // The steps of the loading phase.
    enum class Build { Streaming, StandIns, Guards, Settling, LastStill };

    void approach(float distance);
    void load();
    void waitForPropSets();
    void infiltrate(float distance);

    bool placed(const ComplexPropSet& propSet) const;
    void placePropSet(const ComplexPropSet& propSet);
    bool isOnlineStill(Hash propSet) const;
    // A stand-in still to place once its model has loaded or given up.
    void wantStandInStill(const Vector3& at, float heading);
    // True once every stand-in wanted is placed (none when its model never came).
    bool placeStandInStills();
    // One guard a call, 200 ms apart: true once all came or the model gave none.
    bool bringGuards();
    // The objective needs a still to ruin: one stands in where the game has none. True when
    // one is wanted.
    bool ensureStillStands();

    const CampComplex* complex_;
    int32_t phase_ = kApproach;
    int32_t loadingSince_ = 0; // game timer when the scene was built
    Build build_ = Build::Streaming;
    bool useMpAssets_ = true;
    SceneStreaming streaming_;
    struct StandIn {
        Vector3 at;
        float heading = 0.0f;
    };
    InlineVector<StandIn, 4> standIns_;
    ModelWait standInWait_; // asked for on the first try to place them
    int32_t lastGuardAt_ = 0;
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
