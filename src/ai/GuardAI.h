#pragma once
// A rival guard's stealth behaviour on top of the game's own: calm, suspicious, investigating
// or fighting, by what he sees and hears of the player. His owner ticks him once per frame.
#include "ai/AsyncPedTask.h"
#include "ai/EventsChannel.h"
#include "ai/GuardMode.h"
#include "ai/GuardSenses.h"
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

#include <memory>

namespace corvale {

class GuardAI : public EventsChannel<GuardModeChange> {
  public:
    // Sets the guard's stealth event profile; the ped stays the owner's.
    GuardAI(Ped ped, const GuardSenses& senses);
    GuardAI(const GuardAI&) = delete;
    GuardAI& operator=(const GuardAI&) = delete;
    // Takes his blip off the map: it would outlive the guard's AI otherwise.
    virtual ~GuardAI();

    // Once per frame. A guard in combat is left to the game's combat AI.
    void update();
    // The one place a mode changes: the blip's on-guard look, the time, the event.
    void setMode(GuardMode mode);

    GuardMode getMode() const { return mode_; }
    Ped getPed() const { return ped_; }
    // In the world and not dead.
    bool isAlive() const;
    // Clock seconds since the last mode change.
    int32_t timeInMode() const;
    float alertness() const { return alertness_; }
    const Vector3& lastPoint() const { return lastPoint_; }
    Blip blip() const { return blip_; }
    AsyncPedTask* task() const { return task_.get(); }
    // Hands the guard a task of his owner's (his duty), replacing the current one.
    void giveTask(std::unique_ptr<AsyncPedTask> task) { task_ = std::move(task); }
    // Sets him to walk a round of the point within radius metres for as long as he lives.
    void startDuty(const Vector3& point, float radius);

    // Puts an enemy blip on the guard, drawn on guard, unless he has one or is dead.
    void ensureBlip();
    void removeBlip();

    // Fights the target.
    virtual void engage(Ped target);
    // Searches around the last point he turned to.
    virtual void investigate();
    // Remembers the entity and turns his attention to where it is.
    virtual void noteEntity(Entity entity);
    // A noise at the point; he minds it within the noise range.
    virtual void hearNoise(Entity source, const Vector3& point);
    virtual void reactToShot(Entity shooter);
    // Something odd at the point.
    virtual void checkSuspicious(const Vector3& point);
    virtual void discoverBody(Entity body);

  private:
    void tickTask();
    // A frame with the player in sight: alertness grows until he fights.
    void watchPlayer(Ped player, const Vector3& playerAt, float distance);
    // A frame without: what he hears and finds instead.
    void listen(Hash event, const Vector3& guardAt, const Vector3& playerAt, float distance);
    void checkBody(Entity body, const Vector3& guardAt);
    // Now and then a calm guard moves to another spot nearby.
    void shuffle(const Vector3& guardAt, float playerDistance);

    const GuardSenses& senses_;
    GuardMode mode_ = GuardMode::Calm;
    Ped ped_;
    std::unique_ptr<AsyncPedTask> task_;
    Blip blip_ = 0;
    int32_t modeSince_ = 0;
    Vector3 lastPoint_;
    Entity notedEntity_ = 0;
    int32_t nextShuffle_ = 0;
    float alertness_ = 0.0f;
};

} // namespace corvale
