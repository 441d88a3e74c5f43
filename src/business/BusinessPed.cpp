#include "business/BusinessPed.h"

#include "core/natives/Models.h"
#include "core/natives/Peds.h"
#include "core/natives/Strings.h"

namespace corvale::business {

Ped SpawnBusinessPed(const char* model, const Vector3& position, float heading) {
    const Hash hash = HashString(model);
    if (!ModelLoaded(hash)) return 0;
    const Ped ped = CreateNetworkedPed(hash, position, heading);
    if (ped != 0) SetRandomOutfit(ped);
    return ped;
}

} // namespace corvale::business
