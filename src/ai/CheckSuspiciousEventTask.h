#pragma once
// A calm guard checks something he noticed: he faces it, walks most of the way, scouts
// around, says he found nothing and goes back to his post.
#include "ai/AsyncPedTask.h"
#include "core/natives/Vector3.h"

namespace corvale {

class CheckSuspiciousEventTask final : public AsyncPedTask {
  public:
    // Hands the guard the whole sequence and yields 50 ms; a ped who cannot take a task
    // gets nothing and the task is finished at once.
    CheckSuspiciousEventTask(Ped ped, const Vector3& point);

    bool isFinished() const override;
    // What he checks.
    const Vector3& point() const { return point_; }

  protected:
    // Once he is past his scouting, says "SEARCHING_FOUND_NOTHING", once.
    void onTick() override;

  private:
    Vector3 point_;
    bool saidNothingFound_ = false;
};

} // namespace corvale
