#include "core/natives/NativeCall.h"

#include "host/HostApi.h"

namespace corvale::native {

Result Call(uint64_t hash, const uint64_t* args, size_t count, size_t resultSlots) {
    const host::HostApi& h = host::Api();
    h.nativeInit(hash);
    for (size_t i = 0; i < count; ++i) h.nativePush64(args[i]);
    const uint64_t* storage = h.nativeCall();
    Result r;
    // Copy out at once: the next call reuses the host's result storage.
    for (size_t i = 0; i < resultSlots && storage; ++i) r.slot[i] = storage[i];
    return r;
}

} // namespace corvale::native
