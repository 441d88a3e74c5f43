#pragma once
// The native call protocol: one place builds every call (init, one push per argument slot,
// call, result copied out before the next call). Callers use Invoke with typed arguments;
// nobody shifts bits or reinterprets floats by hand.
#include "core/natives/Vector3.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace corvale {

using Hash = uint32_t;

namespace native {

// Argument slots: 32-bit values in the low half of a zeroed slot, never sign-extended.
inline uint64_t Slot(int32_t v) { return static_cast<uint32_t>(v); }
inline uint64_t Slot(uint32_t v) { return v; }
inline uint64_t Slot(bool v) { return v ? 1u : 0u; }
inline uint64_t Slot(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}
inline uint64_t Slot(const char* text) { return reinterpret_cast<uintptr_t>(text); }
inline uint64_t Slot(std::nullptr_t) { return 0; }
template <class T> uint64_t Slot(T* p) { return reinterpret_cast<uintptr_t>(p); }
// A 64-bit game value (a text handle) travels whole.
struct Raw64 {
    uint64_t value;
};
inline uint64_t Slot(Raw64 v) { return v.value; }
// Doubles and 64-bit integers have no slot form: convert explicitly.
uint64_t Slot(double) = delete;
uint64_t Slot(int64_t) = delete;
uint64_t Slot(uint64_t) = delete;

// The result storage as copied out of the host: up to three slots (a Vector3).
struct Result {
    uint64_t slot[3] = {0, 0, 0};
};

// Performs one call. Copies resultSlots slots of the result (0 to 3).
Result Call(uint64_t hash, const uint64_t* args, size_t count, size_t resultSlots);

template <class R> constexpr size_t ResultSlots() {
    if constexpr (std::is_void_v<R>) return 0;
    else if constexpr (std::is_same_v<R, Vector3>) return 3;
    else return 1;
}

template <class R> R As(const Result& r) {
    if constexpr (std::is_void_v<R>) {
        return;
    } else if constexpr (std::is_same_v<R, bool>) {
        return static_cast<uint32_t>(r.slot[0]) != 0;
    } else if constexpr (std::is_same_v<R, float>) {
        float f;
        const uint32_t bits = static_cast<uint32_t>(r.slot[0]);
        std::memcpy(&f, &bits, sizeof f);
        return f;
    } else if constexpr (std::is_same_v<R, uint64_t>) {
        return r.slot[0];
    } else if constexpr (std::is_same_v<R, Vector3>) {
        Vector3 v;
        std::memcpy(&v, r.slot, sizeof v);
        return v;
    } else {
        static_assert(std::is_integral_v<R> && sizeof(R) == 4, "unsupported result type");
        return static_cast<R>(static_cast<uint32_t>(r.slot[0]));
    }
}

} // namespace native

// Calls native `hash` with one slot per argument and returns its result as R.
template <class R = void, class... A> R Invoke(uint64_t hash, A... args) {
    const uint64_t slots[sizeof...(A) + 1] = {native::Slot(args)..., 0};
    return native::As<R>(native::Call(hash, slots, sizeof...(A), native::ResultSlots<R>()));
}

} // namespace corvale
