#pragma once
// Raw keyboard state for the developer keys. The host's keyboard callback may run outside
// the script thread; it writes only this table, each field an independent 32-bit value.
#include <cstdint>

namespace corvale {

// Registered with the host at attach: records the last message of each key code 0..254.
void OnKeyboardMessage(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                       int isWithAlt, int wasDownBefore, int isUpNow);

// True when the key was released less than 100 ms ago; the release stays for the next reader.
bool IsKeyJustReleased(uint32_t key);
// The same, and the release is used up: it is reported once.
bool TakeKeyRelease(uint32_t key);
// Uses up a release nobody acts on this frame, so it cannot act on a later one.
void DiscardKeyRelease(uint32_t key);

// Clears every entry (a fresh game run).
void ResetKeyStates();

} // namespace corvale
