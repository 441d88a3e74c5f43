#pragma once
// The radar (minimap) in the corner of the screen.
#include "core/natives/NativeCall.h"

namespace corvale {

void ShowRadar(bool shown);

} // namespace corvale
