#pragma once
// A camp guard's patrol: he walks a ring of points round the camp, standing a while at each,
// until his shift of game hours is over.
#include "ai/AsyncPedTask.h"
#include "core/natives/Vector3.h"
#include "core/timers/GameTimer.h"

#include <cstdint>

namespace corvale {

class CampGuardDutyTask final : public AsyncPedTask {
  public:
    // hours 0 or less: a shift without end.
    CampGuardDutyTask(Ped ped, const Vector3& centre, float radius = 20.0f, int32_t hours = 6,
                      int32_t points = 5);

    // Dead or gone, or his shift is over and he has finished his last walk.
    bool isFinished() const override;

    enum Stage : int32_t {
        kChoosePoint = 0, // pick the next point and hand him the walk
        kHandedOver = 1,  // the walk is his; it has not started yet
        kWalking = 2,     // walking there or standing at the point
    };
    Stage stage() const { return stage_; }
    int32_t nextPoint() const { return nextPoint_; }

  protected:
    void onTick() override;

  private:
    void choosePoint();
    void setStage(Stage stage);

    Vector3 centre_;
    float radius_;
    bool shiftEnds_;
    int32_t endTime_; // game clock seconds at which the shift is over
    Stage stage_ = kChoosePoint;
    int32_t nextPoint_;
    int32_t points_;
    GameTimer stageTimer_; // since the stage was entered
};

} // namespace corvale
