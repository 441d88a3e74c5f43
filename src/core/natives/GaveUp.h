#pragma once
// Models and prop sets the game did not deliver within a wait's limit. The game rarely
// delivers one a few seconds later, and every spawn that waited for it again would cost
// another full wait: for a while after giving up, a resource reads as not loaded at once.
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

// How long a resource that gave up is answered "not loaded" at once, in game time.
inline constexpr int32_t kGaveUpMemoryMs = 60000;

// Remembers that the wait for resource gave up now.
void RememberGaveUp(Hash resource);
// Logs "failed to load KIND: " with the hash as a signed decimal, then remembers it. The
// line is built on the stack: a wait may give up in a frame that must not allocate (the
// still's menu open).
void GiveUp(const char* kind, Hash resource);
// Whether resource gave up less than kGaveUpMemoryMs ago.
bool GaveUpRecently(Hash resource);
// The resource loaded after all: forget it.
void ForgetGaveUp(Hash resource);
// A fresh game (tests that start several in one process).
void ForgetEveryGaveUp();

} // namespace corvale
