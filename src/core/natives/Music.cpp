#include "core/natives/Music.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kTriggerMusicEvent{0x706d57b0f50da710, "TRIGGER_MUSIC_EVENT",
                                            "const char*"};
constexpr native::Native kCancelMusicEvent{0x5b17a90291133da5, "CANCEL_MUSIC_EVENT", "const char*"};
} // namespace

bool TriggerMusicEvent(const char* event) {
    return Invoke<bool>(kTriggerMusicEvent, event);
}

bool CancelMusicEvent(const char* event) {
    return Invoke<bool>(kCancelMusicEvent, event);
}

} // namespace corvale
