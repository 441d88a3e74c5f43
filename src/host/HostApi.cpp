#include "HostApi.h"

namespace corvale::host {

namespace {
HostApi gApi{};
}

void Install(const HostApi& api) { gApi = api; }
const HostApi& Api() { return gApi; }

} // namespace corvale::host
