#include "business/Ambush.h"

#include "business/BusinessPed.h"
#include "core/natives/Blips.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Models.h"
#include "core/natives/Peds.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"
#include "core/platform/Platform.h"

namespace corvale::business {

namespace {
constexpr const char* kHorseModel = "A_C_Horse_TennesseeWalker_DappleBay";
constexpr const char* kRiderModel = "G_M_M_UniCriminals_01";
constexpr const char* kRiderGroup = "REL_CRIMINALS";
constexpr int32_t kSaddle = -1;
constexpr int32_t kThreatResponse = 16;

// 30 to 44 m from the player along each axis.
float Offset() {
    return static_cast<float>(platform::Random() % 15 + 30);
}
} // namespace

int WaveSize(int draw) {
    return (draw < 0 ? -draw : draw) % 5 + 5;
}

void AmbushGang::requestModels() {
    RequestModel(HashString(kRiderModel));
    RequestModel(HashString(kHorseModel));
    modelsAsked_ = GameTimerMs();
    riderModelOver_ = false;
    horseModelOver_ = false;
}

bool AmbushGang::modelsReady() {
    if (!riderModelOver_) riderModelOver_ = ModelWaitOver(HashString(kRiderModel), modelsAsked_);
    if (!horseModelOver_) horseModelOver_ = ModelWaitOver(HashString(kHorseModel), modelsAsked_);
    return riderModelOver_ && horseModelOver_;
}

void AmbushGang::spawnWave(Ped player, const Vector3& playerPosition, int size) {
    removeDead();
    const bool riderModelLoaded = ModelLoaded(HashString(kRiderModel));
    const int firstNew = count_;
    for (int n = 0; n < size && count_ < kCapacity; ++n) {
        const float dy = Offset();
        const float dx = Offset();
        const Vector3 at{playerPosition.x + dx, playerPosition.y + dy, playerPosition.z};
        // Without the horse model no rider comes.
        if (!spawnRider(at, riderModelLoaded)) break;
    }
    // Only the new wave is blipped: earlier riders keep the blips they have.
    for (int i = firstNew; i < count_; ++i) {
        riders_[i].blip = AddEntityBlip(blips::kStyleEnemy, riders_[i].rider);
        SetBlipSprite(riders_[i].blip, blips::kSpriteNone);
    }
    for (int i = 0; i < count_; ++i) {
        const Ped rider = riders_[i].rider;
        SetPedPanicExitPoint(rider, Vector3{});
        SetCurrentWeapon(rider, BestWeapon(rider, false, false), true, 0, false, false);
        TaskCombatPed(rider, player, 0, kThreatResponse);
    }
}

bool AmbushGang::spawnRider(const Vector3& at, bool riderModelLoaded) {
    Ped horse = SpawnBusinessPed(kHorseModel, at, static_cast<float>(platform::Random() % 360));
    if (horse == 0) return false;
    const Ped rider =
        riderModelLoaded ? CreatePedOnMount(horse, HashString(kRiderModel), kSaddle) : 0;
    if (rider == 0) {
        ReleaseEntity(horse);
        return true;
    }
    // The rider draws his own best weapon; the player, driving, keeps what he holds.
    SetCurrentWeapon(rider, BestWeapon(rider, true, true), true, 1, true, true);
    SetPedRelationshipGroup(rider, HashString(kRiderGroup));
    riders_[count_++] = AmbushRider{rider, horse, 0};
    SetBlockingOfNonTemporaryEvents(rider, true);
    ClearPedTasks(rider, true, true);
    return true;
}

void AmbushGang::checkNextRider(const Vector3& playerPosition) {
    if (count_ == 0) return;
    if (nextCheck_ >= count_) nextCheck_ = 0;
    const int i = nextCheck_++;
    AmbushRider& r = riders_[i];
    if (r.blip == 0) return; // dead and unmarked: the next wave's spawn clears him away
    if (!EntityExists(r.rider) || IsEntityDead(r.rider)) {
        RemoveBlipIfExists(r.blip);
        return;
    }
    if (Length(Subtract(EntityPosition(r.rider), playerPosition)) > kLostRange) {
        remove(i);
        --nextCheck_; // the last rider now stands at i
    }
}

void AmbushGang::removeDead() {
    for (int i = count_ - 1; i >= 0; --i) {
        const Ped rider = riders_[i].rider;
        if (!EntityExists(rider) || IsEntityDead(rider)) remove(i);
    }
}

void AmbushGang::remove(int i) {
    AmbushRider& r = riders_[i];
    RemoveBlipIfExists(r.blip);
    if (r.rider != 0 && EntityExists(r.rider)) DeleteEntity(r.rider);
    if (r.horse != 0 && EntityExists(r.horse)) DeleteEntity(r.horse);
    riders_[i] = riders_[--count_];
    riders_[count_] = AmbushRider{};
}

void AmbushGang::removeAll() {
    while (count_ > 0)
        remove(count_ - 1);
    nextCheck_ = 0;
}

} // namespace corvale::business
