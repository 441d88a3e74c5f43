#include "core/natives/Radar.h"

namespace corvale {

namespace {
constexpr uint64_t kDisplayRadar = 0x1b3da717b9aff828;
} // namespace

void ShowRadar(bool shown) {
    Invoke(kDisplayRadar, shown);
}

} // namespace corvale
