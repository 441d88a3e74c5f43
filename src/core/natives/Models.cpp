#include "core/natives/Models.h"

namespace corvale {

namespace {
constexpr uint64_t kRequestModel = 0xfa28fe3a6246fc30;
constexpr uint64_t kHasModelLoaded = 0x1283b8b89dd5d1b6;
} // namespace

void RequestModel(Hash model) {
    Invoke(kRequestModel, model, false);
}

bool ModelLoaded(Hash model) {
    return Invoke<bool>(kHasModelLoaded, model);
}

} // namespace corvale
