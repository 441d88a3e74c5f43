#include "core/natives/Music.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kTriggerMusicEvent = 0x706d57b0f50da710;
constexpr uint64_t kCancelMusicEvent = 0x5b17a90291133da5;
} // namespace

bool TriggerMusicEvent(const char* event) {
    return Invoke<bool>(kTriggerMusicEvent, event);
}

bool CancelMusicEvent(const char* event) {
    return Invoke<bool>(kCancelMusicEvent, event);
}

} // namespace corvale
