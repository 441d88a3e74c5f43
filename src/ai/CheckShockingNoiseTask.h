#pragma once
// An alarmed guard checks a shot or a noise: weapon out, a wary look around the point from
// closer by, then back to his post.
#include "ai/AsyncPedTask.h"
#include "core/natives/Vector3.h"

namespace corvale {

class CheckShockingNoiseTask final : public AsyncPedTask {
  public:
    // Hands the guard the whole sequence and yields 50 ms; a ped who cannot take a task
    // gets nothing and the task is finished at once.
    CheckShockingNoiseTask(Ped ped, const Vector3& point);

    bool isFinished() const override;
    // What he checks.
    const Vector3& point() const { return point_; }

  protected:
    void onTick() override {}

  private:
    Vector3 point_;
};

} // namespace corvale
