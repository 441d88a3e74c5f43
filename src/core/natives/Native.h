#pragma once
// A native as the game's list declares it: its hash, game name and parameter types, written
// once beside its wrapper. The simulator declares its handlers the same way, and a test holds
// the two lists to each other.
#include "core/natives/NativeCall.h"

namespace corvale {

namespace native {

struct Native {
    uint64_t hash;
    const char* name;
    const char* params;
};

} // namespace native

template <class R = void, class... A> R Invoke(const native::Native& n, A... args) {
    return Invoke<R>(n.hash, args...);
}

} // namespace corvale
