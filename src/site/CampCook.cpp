// The camp's cook: spawned once per built camp, dressed, toughened and given his voice.
#include "core/log/Log.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "core/natives/Weapons.h"
#include "site/CampInterface.h"
#include "site/CookSetUp.h"
#include "ui/LangText.h"

namespace corvale {

namespace {
constexpr int32_t kAmmo = 99;
} // namespace

Ped CampInterface::spawnCook(bool armed) {
    if (!isBuilt()) return 0;
    if (cook_ != 0) return cook_;
    const float distance = static_cast<float>(RandomInt(6, 9));
    const Vector3 spot = RandomPointAround(location_->position, distance, false);
    const Ped cook = SpawnPed("a_m_m_moonshiners_01", spot);
    if (cook == 0) {
        Log("CampInterface: the cook could not be spawned");
        return 0;
    }
    DressCook(cook, LangText(data_, "prompts.cook"));
    ToughenCook(cook);
    GiveCookHisGang(cook);
    if (armed) GiveWeapon(cook, weapons::kRevolverDoubleAction, kAmmo, true);
    cook_ = cook;
    objects_.push_back(cook_);
    return cook_;
}

} // namespace corvale
