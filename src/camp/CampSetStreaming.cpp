#include "camp/CampSetStreaming.h"

#include "core/natives/Propsets.h"
#include "core/natives/Strings.h"
#include "site/CampSetModels.h"

namespace corvale {

CampSetStreaming::CampSetStreaming() : group_(HashString(camp_set::kGroup)) {
    waits_.addPropSet(group_);
    waits_.addPropSet(HashString(camp_set::kCookWorkSpot));
    for (const char* model :
         {camp_set::kCrate, camp_set::kHitchingPost, camp_set::kCook, camp_set::kGuard})
        waits_.addModel(HashString(model));
}

void CampSetStreaming::request() {
    waits_.start();
}

bool CampSetStreaming::over() {
    const bool all = waits_.over();
    // Without the camp group the build stops at once: its models are not waited for.
    return all || (waits_.overFor(group_) && !PropSetLoaded(group_));
}

} // namespace corvale
