#include "missions/SabotageMissionProcessor.h"

#include "core/log/Log.h"
#include "core/natives/Blips.h"
#include "core/natives/Distance.h"
#include "core/natives/GameClock.h"
#include "core/natives/Models.h"
#include "core/natives/Objects.h"
#include "core/natives/Player.h"
#include "core/natives/Propsets.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "core/timers/Elapsed.h"
#include "site/Blips.h"

#include <exception>
#include <string>

namespace corvale {

namespace {
constexpr float kBuildReach = 250.0f;
constexpr float kAbandonDistance = 450.0f;
constexpr float kAreaBlipReach = 45.0f;
constexpr float kAreaRadius = 50.0f;
constexpr Hash kAreaSprite = blips::kSpriteBuyer;
constexpr float kRaised = 2.0f;       // prop sets are placed above the ground and settle
constexpr float kStandInTurn = 20.0f; // the stand-in faces a little off the online still
constexpr float kStillSearch = 30.0f; // as far as the objective looks for the still
constexpr int32_t kPropSetWaitMs = 10000; // a set the game dropped is not waited for longer
constexpr int32_t kBetweenGuardsMs = 200;
constexpr int32_t kFewestGuards = 6;
constexpr int32_t kMostGuardsBound = 10; // RandomInt's upper bound is never drawn

// A mistyped switch keeps its built-in value (on), as at start-up.
bool UseMpAssets(const Settings& settings) {
    try {
        return settings.getBool("UseMpAssets");
    } catch (const std::exception&) {
        return true;
    }
}
} // namespace

SabotageMissionProcessor::SabotageMissionProcessor(SabotageSetup setup,
                                                   const CampComplexes& complexes,
                                                   const Settings& settings,
                                                   const InfiltrationKit& infiltrationKit,
                                                   const MissionKit& kit)
    : BaseMissionProcessor(MissionType::Sabotage, MissionStatus::Running, setup.centre, kit),
      complex_(complexes.nearestComplex(setup.centre)), missionPoint_(setup.centre),
      setup_(std::move(setup)),
      settings_(settings), onlineStills_{HashString("pg_mp_moonshinecamp02x"),
                                         HashString("pg_mp_moonshinecamp03x")},
      standInStill_(HashString("p_still02x")),
      guardModel_(HashString("a_m_m_htlroughtravellers_01")) {
    infiltration_ = std::make_unique<CampInfiltrationProcessor>(setup_, infiltrationKit);
    if (!complex_) {
        Log("SabotageMissionProcessor: camp complex is null. mission coords: " +
            VectorText(setup_.centre));
        phase_ = kStopped;
    }
    Log("SabotageMissionProcessor: created. coords: " + VectorText(setup_.centre));
}

void SabotageMissionProcessor::update() {
    if (phase_ == kStopped) return;
    const float distance = Distance(PlayerPosition(), setup_.centre);
    switch (phase_) {
    case kApproach:
        return approach(distance);
    case kLoading:
        return load();
    case kInfiltration:
        return infiltrate(distance);
    default:
        return;
    }
}

void SabotageMissionProcessor::approach(float distance) {
    if (areaBlip_ == 0) {
        areaBlip_ = BlipForArea(setup_.centre, kAreaRadius, blips::kStyleDelivery, kAreaSprite);
        if (areaBlip_ != 0) AddBlipModifier(areaBlip_, blips::kModifierDestination);
    }
    if (!(distance < kBuildReach)) return;
    createScene();
    phase_ = kLoading;
    load();
}

// Each step returns while its wait goes on and falls through to the next once it is over.
void SabotageMissionProcessor::load() {
    switch (build_) {
    case Build::Streaming:
        if (!streaming_.over()) return;
        for (const ComplexPropSet& propSet : complex_->propSets)
            placePropSet(propSet);
        build_ = Build::StandIns;
        [[fallthrough]];
    case Build::StandIns:
        if (!placeStandInStills()) return;
        Log("SabotageMissionProcessor: propsets created successfully");
        infiltration_->expectGuards(setup_.guardCount);
        build_ = Build::Guards;
        [[fallthrough]];
    case Build::Guards:
        if (!bringGuards()) return;
        loadingSince_ = GameTimerMs();
        build_ = Build::Settling;
        return;
    case Build::Settling:
        return waitForPropSets();
    case Build::LastStill:
        if (!placeStandInStills()) return;
        phase_ = kInfiltration;
        return;
    }
}

void SabotageMissionProcessor::waitForPropSets() {
    if (arePropSetsLoaded()) {
        Log("mission propsets fully loaded");
    } else {
        if (ElapsedSince(loadingSince_) < kPropSetWaitMs) return;
        Log("SabotageMissionProcessor: propsets not fully loaded after 10 s; going on without "
            "them");
    }
    if (ensureStillStands()) {
        build_ = Build::LastStill;
        return load();
    }
    phase_ = kInfiltration;
}

void SabotageMissionProcessor::infiltrate(float distance) {
    if (distance > kAbandonDistance) {
        Log("SabotageMissionProcessor: mission area abandoned");
        setStatus(MissionStatus::Failed);
        return;
    }
    if (areaBlip_ != 0 && Distance(PlayerPosition(), missionPoint_) <= kAreaBlipReach)
        RemoveBlip(&areaBlip_);
    infiltration_->tick();
    const int32_t result = infiltration_->getResult();
    if (result == CampInfiltrationProcessor::kRunning) return;
    setStatus(result == CampInfiltrationProcessor::kEscaped ? MissionStatus::Passed
                                                            : MissionStatus::Failed);
    phase_ = kStopped;
}

void SabotageMissionProcessor::createScene() {
    Log("SabotageMissionProcessor: creating mission scene");
    useMpAssets_ = UseMpAssets(settings_);
    for (const ComplexPropSet& propSet : complex_->propSets)
        if (placed(propSet)) streaming_.addPropSet(propSet.propSetHash);
    if (setup_.guardCount > 0) streaming_.addModel(guardModel_);
    streaming_.start();
    build_ = Build::Streaming;
}

bool SabotageMissionProcessor::placed(const ComplexPropSet& propSet) const {
    return useMpAssets_ || !propSet.requiresMpAssets;
}

// Every wait is over: a spawn here answers at once.
void SabotageMissionProcessor::placePropSet(const ComplexPropSet& propSet) {
    if (placed(propSet)) {
        const Vector3 raised(propSet.position.x, propSet.position.y, propSet.position.z + kRaised);
        // A set that never loaded is not registered: the mission would wait for it for good.
        if (addPropSet(SpawnPropset(propSet.propSetHash, raised, propSet.heading)) != 0) return;
        if (!isOnlineStill(propSet.propSetHash)) return;
        Log("SabotageMissionProcessor: still propset failed to load; creating a standalone "
            "p_still02x entity");
        wantStandInStill(propSet.position, propSet.heading + kStandInTurn);
        return;
    }
    if (!isOnlineStill(propSet.propSetHash)) return;
    Log("SabotageMissionProcessor: not using mp assets; creating a standalone p_still02x entity");
    wantStandInStill(propSet.position, propSet.heading + kStandInTurn);
}

bool SabotageMissionProcessor::isOnlineStill(Hash propSet) const {
    return propSet == onlineStills_[0] || propSet == onlineStills_[1];
}

void SabotageMissionProcessor::wantStandInStill(const Vector3& at, float heading) {
    standIns_.push_back(StandIn{at, heading});
}

bool SabotageMissionProcessor::placeStandInStills() {
    if (standIns_.empty()) return true;
    if (!standInWait_.over(standInStill_)) return false;
    for (const StandIn& standIn : standIns_)
        addEntity(SpawnObject(standInStill_, standIn.at, standIn.heading, false, true));
    standIns_.clear();
    return true;
}

bool SabotageMissionProcessor::bringGuards() {
    const int32_t came = static_cast<int32_t>(infiltration_->guards().size());
    bool done = came >= setup_.guardCount;
    if (!done) {
        if (came > 0 && ElapsedSince(lastGuardAt_) < kBetweenGuardsMs) return false;
        lastGuardAt_ = GameTimerMs();
        // A model that never streamed in gives no guard: the camp is guarded by those who came.
        done = !infiltration_->spawnGuard(guardModel_) ||
               static_cast<int32_t>(infiltration_->guards().size()) >= setup_.guardCount;
    }
    if (!done) return false;
    Log("SabotageMissionProcessor: guards created successfully: " +
        std::to_string(infiltration_->guards().size()));
    return true;
}

bool SabotageMissionProcessor::ensureStillStands() {
    if (ClosestObjectOfModel(setup_.stillPosition, kStillSearch, standInStill_) != 0)
        return false;
    Log("SabotageMissionProcessor: no still stands at the still position; creating a "
        "standalone p_still02x entity");
    wantStandInStill(setup_.stillPosition, 0.0f);
    return true;
}

void SabotageMissionProcessor::cleanup() {
    BaseMissionProcessor::cleanup();
    RemoveBlip(&areaBlip_);
    infiltration_->cleanup();
}

MissionsManager::Builder SabotageBuilder(const CampComplexes& complexes, const Settings& settings,
                                         const InfiltrationKit& infiltrationKit) {
    return [&complexes, &settings, infiltrationKit](
               int32_t locationId, const MissionKit& kit) -> std::unique_ptr<BaseMissionProcessor> {
        const CampComplex* complex = complexes.chooseComplex(locationId, UseMpAssets(settings));
        if (!complex) {
            Log("MissionsManager: cannot start mission: no rival camp complex near location " +
                std::to_string(locationId));
            return nullptr;
        }
        SabotageSetup setup =
            MakeSabotageSetup(*complex, RandomInt(kFewestGuards, kMostGuardsBound));
        return std::make_unique<SabotageMissionProcessor>(std::move(setup), complexes, settings,
                                                          infiltrationKit, kit);
    };
}

MissionOutcome SabotageOutcome() {
    MissionOutcome outcome;
    outcome.influencePassed = {"stats.influence.mission_effects.sabotage.success", 0.2f};
    outcome.influenceFailed = {"stats.influence.mission_effects.sabotage.fail", -0.2f};
    return outcome;
}

} // namespace corvale
