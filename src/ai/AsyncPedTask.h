#pragma once
// A ped's task handed over in one frame, then polled every frame by its owner until the
// ped has finished it.
#include "core/natives/Handles.h"

#include <cstdint>
#include <memory>

namespace corvale {

class AsyncPedTask {
  public:
    explicit AsyncPedTask(Ped ped) : ped_(ped) {}
    AsyncPedTask(const AsyncPedTask&) = delete;
    AsyncPedTask& operator=(const AsyncPedTask&) = delete;
    virtual ~AsyncPedTask() = default;

    // The ped is done with it (or can no longer do it).
    virtual bool isFinished() const = 0;
    // The owner gave it up.
    virtual bool isCancelled() const { return false; }
    virtual bool isRunning() const { return !isFinished() && !isCancelled(); }
    // The task that takes over when this one stops running; none by default.
    virtual std::unique_ptr<AsyncPedTask> next() { return nullptr; }

    Ped getPed() const { return ped_; }
    // Once per frame while running: runs onTick unless ticks are still to be skipped.
    void tick();

  protected:
    // The task's own per-frame work.
    virtual void onTick() = 0;

    // Ticks to skip before onTick runs again.
    int32_t delay_ = 0;

  private:
    Ped ped_;
};

// A ped that can be handed a task: not 0, still in the world, alive.
bool CanTakeTask(Ped ped);
// A ped whose sequence is over: gone from the world, dead, or running no sequence.
bool SequenceTaskFinished(Ped ped);

} // namespace corvale
