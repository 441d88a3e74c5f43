#pragma once
// Streaming of models: a model must be loaded before a ped or object of it is created.
#include "core/natives/NativeCall.h"

namespace corvale {

void RequestModel(Hash model);
bool ModelLoaded(Hash model);

} // namespace corvale
