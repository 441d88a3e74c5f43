#include "ai/GuardAI.h"

#include "ai/CampGuardDutyTask.h"
#include "ai/CheckShockingNoiseTask.h"
#include "ai/CheckSuspiciousEventTask.h"
#include "ai/LookAroundSequence.h"
#include "ai/Perception.h"
#include "ai/WhistleDetector.h"
#include "core/data/DictDataFile.h"
#include "core/data/Settings.h"
#include "core/log/Log.h"
#include "core/natives/AiEvents.h"
#include "core/natives/Blips.h"
#include "core/natives/Combat.h"
#include "core/natives/Decorations.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Senses.h"
#include "core/natives/Sequences.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/runtime/ThrowImpactSampler.h"

namespace corvale {

namespace {
constexpr const char* kDiscoveredBody = "SH_AI_DiscoveredBody";
constexpr int32_t kLookPoints = 4;
constexpr float kBodyReach = 5.0f;
constexpr float kShuffleReach = 120.0f;
constexpr float kShuffleSearchRadius = 15.0f;
constexpr int32_t kCombatFlags = 16;
constexpr int32_t kMustBeShipped = -999;
constexpr float kMustBeShippedF = -999.0f;
// How far a new point must lie from the last one to matter.
constexpr float kNewPointMetres = 5.0f;
constexpr float kSecondPointMetres = 2.0f;
// A duty round: a shift without end, five points on the ring.
constexpr int32_t kEndlessShift = -1;
constexpr int32_t kDutyPoints = 5;
} // namespace

GuardAI::GuardAI(Ped ped, const GuardSenses& senses)
    : senses_(senses), ped_(ped), modeSince_(ClockSeconds()),
      nextShuffle_(ClockSeconds() + RandomInt(20, 40)) {
    SetPedEventTracker(ped_, "SpDefaultStealth", 0);
    RegisterDecoration(kDiscoveredBody, decorations::kTypeInt);
    SetBlockingOfNonTemporaryEvents(ped_, true);
}

GuardAI::~GuardAI() {
    removeBlip();
}

bool GuardAI::isAlive() const {
    return EntityExists(ped_) && !IsEntityDead(ped_);
}

int32_t GuardAI::timeInMode() const {
    return ClockSeconds() - modeSince_;
}

void GuardAI::setMode(GuardMode mode) {
    const GuardMode old = mode_;
    mode_ = mode;
    modeSince_ = ClockSeconds();
    if (blip_ != 0) {
        if (mode == GuardMode::Combat)
            RemoveBlipModifier(blip_, blips::kModifierEnemyOnGuard);
        else
            AddBlipModifier(blip_, blips::kModifierEnemyOnGuard);
    }
    GuardModeChange change;
    change.ped = ped_;
    change.oldMode = old;
    change.newMode = mode;
    publish(change);
}

void GuardAI::startDuty(const Vector3& point, float radius) {
    task_ = std::make_unique<CampGuardDutyTask>(ped_, point, radius, kEndlessShift, kDutyPoints);
}

void GuardAI::ensureBlip() {
    if (blip_ != 0 || EntityHasBlip(ped_) || !isAlive()) return;
    blip_ = AddEntityBlip(blips::kStyleEnemy, ped_);
    if (blip_ != 0) AddBlipModifier(blip_, blips::kModifierEnemyOnGuard);
}

void GuardAI::removeBlip() {
    if (blip_ != 0) DeleteBlip(blip_);
    blip_ = 0;
}

void GuardAI::update() {
    if (ped_ == 0 || mode_ == GuardMode::Combat || !isAlive()) return;
    const Ped player = PlayerPed();
    if (IsPedInCombat(ped_, player)) {
        setMode(GuardMode::Combat);
        return;
    }
    tickTask();
    const Hash event = RecentPedEvent(ped_, 0, 0);
    const Vector3 guardAt = EntityPosition(ped_);
    const Vector3 playerAt = EntityPosition(player);
    const float distance = Length(Subtract(playerAt, guardAt));
    if (CanSee(senses_.ai, ped_, player, playerAt, distance)) {
        watchPlayer(player, playerAt, distance);
        if (mode_ == GuardMode::Combat) return;
    } else {
        listen(event, guardAt, playerAt, distance);
    }
    shuffle(guardAt, distance);
}

void GuardAI::tickTask() {
    if (!task_) return;
    task_->tick();
    if (!task_->isRunning()) task_ = task_->next();
}

void GuardAI::watchPlayer(Ped player, const Vector3& playerAt, float distance) {
    if (alertness_ < 1.0f)
        alertness_ +=
            AlertnessGain(FoliageCoverAt(playerAt), FrameTime(), IsPedCrouching(player), distance);
    if (alertness_ < 1.0f) return;
    alertness_ = 0.0f;
    engage(player);
}

void GuardAI::listen(Hash event, const Vector3& guardAt, const Vector3& playerAt, float distance) {
    if (alertness_ > 0.0f) alertness_ = AlertnessWithoutSight(alertness_, FrameTime());
    // A recent event the game reports with nobody behind it is nothing to react to.
    if (event == aievents::kShotFiredWhizzedBy) {
        if (const Entity shooter = PedEventSource(ped_, event, 0, 0)) reactToShot(shooter);
    } else if (event == aievents::kShotFired) {
        const Entity shooter = PedEventSource(ped_, event, 0, 0);
        if (shooter != 0 &&
            Length(Subtract(EntityPosition(shooter), guardAt)) <= HearingRange(senses_.ai))
            reactToShot(shooter);
    } else if (event == aievents::kShockingDeadBody) {
        checkBody(PedEventSource(ped_, event, 0, 0), guardAt);
    } else if (senses_.whistle.isWhistling() &&
               senses_.whistle.whistleKind() == WhistleDetector::Plain) {
        hearNoise(PlayerPed(), playerAt);
    } else if (senses_.throws.hasImpact()) {
        hearNoise(PlayerPed(), senses_.throws.impactPoint());
    } else if (distance <=
               static_cast<float>(senses_.ai.getInt("guard.safe_distance", kMustBeShipped))) {
        const float heard =
            senses_.ai.getFloat("guard.noise_distance_multiplier", kMustBeShippedF) *
            PlayerStealthNoise(PlayerIndex());
        if (distance <= heard && heard <= HearingRange(senses_.ai)) checkSuspicious(playerAt);
    }
}

void GuardAI::checkBody(Entity body, const Vector3& guardAt) {
    SetBlockingOfNonTemporaryEvents(ped_, true);
    if (body == 0 || DecorationInt(body, kDiscoveredBody) != 0 || !IsPedHuman(body)) return;
    if (Length(Subtract(EntityPosition(body), guardAt)) <= kBodyReach ||
        CanSee(senses_.ai, ped_, body))
        discoverBody(body);
}

void GuardAI::shuffle(const Vector3& guardAt, float playerDistance) {
    if (task_ || mode_ != GuardMode::Calm || playerDistance >= kShuffleReach) return;
    if (IsPedUsingAnyScenario(ped_)) return;
    const int32_t now = ClockSeconds();
    if (now - nextShuffle_ <= 0) return;
    const Vector3 spot = RandomPointAround(guardAt, static_cast<float>(RandomInt(3, 15)), false);
    const int32_t staySeconds = RandomInt(40, 120);
    TaskUseNearestScenarioToPoint(ped_, spot, kShuffleSearchRadius, staySeconds * 1000, false,
                                  false, false, false);
    nextShuffle_ = now + RandomInt(50, 100);
    if (senses_.settings.getBool("DebugLogs")) Log("GuardAI: shuffling scneario");
}

void GuardAI::engage(Ped target) {
    ensureBlip();
    ClearPedTasks(ped_, true, true);
    SetBlockingOfNonTemporaryEvents(ped_, true);
    SetPedPanicExitPoint(ped_, EntityPosition(ped_));
    TaskCombatPed(ped_, target, 0, kCombatFlags);
    setMode(GuardMode::Combat);
}

void GuardAI::investigate() {
    SetBlockingOfNonTemporaryEvents(ped_, true);
    RunLookAround(ped_, lastPoint_, kLookPoints);
    setMode(GuardMode::Investigating);
}

void GuardAI::noteEntity(Entity entity) {
    lastPoint_ = EntityPosition(entity);
    notedEntity_ = entity;
}

void GuardAI::hearNoise(Entity, const Vector3& point) {
    if (IsWithinNoiseRange(senses_.ai, ped_, point)) checkSuspicious(point);
}

void GuardAI::reactToShot(Entity shooter) {
    // Busy with a shooter who has stopped: a stray bullet does not start him over.
    if (mode_ == GuardMode::Investigating && !IsPedShooting(notedEntity_)) return;
    noteEntity(shooter);
    task_ = std::make_unique<CheckShockingNoiseTask>(ped_, lastPoint_);
    investigate();
}

void GuardAI::checkSuspicious(const Vector3& point) {
    const float fromLast = Length(Subtract(lastPoint_, point));
    switch (mode_) {
    case GuardMode::Calm:
        if (fromLast <= kNewPointMetres) return;
        lastPoint_ = point;
        // A guard already running a sequence is not pulled off it.
        if (SequenceProgress(ped_) < 0)
            task_ = std::make_unique<CheckSuspiciousEventTask>(ped_, point);
        else
            task_ = nullptr;
        setMode(GuardMode::Suspicious);
        return;
    case GuardMode::Suspicious:
        if (fromLast <= kSecondPointMetres) return;
        lastPoint_ = point;
        task_ = std::make_unique<CheckShockingNoiseTask>(ped_, point);
        investigate();
        return;
    case GuardMode::Investigating:
        if (fromLast <= kNewPointMetres) return;
        lastPoint_ = point;
        task_ = std::make_unique<CheckShockingNoiseTask>(ped_, point);
        return;
    case GuardMode::Combat:
        return;
    }
}

void GuardAI::discoverBody(Entity body) {
    noteEntity(body);
    SetDecorationInt(body, kDiscoveredBody, 1);
    if (mode_ != GuardMode::Investigating)
        PedSay(ped_, RandomInt(0, 2) != 0 ? "WHOA_ESCALATED" : "GENERIC_SHOCKED_HIGH");
    investigate();
}

} // namespace corvale
