#pragma once
// Script events as the business plug-in sends and reads them.
#include <array>
#include <cstdint>
#include <initializer_list>

namespace corvale::business {

// A payload: 32-bit words packed 4 bytes apart; the business plug-in always sends all 100.
constexpr int32_t kEventWords = 100;
using EventWords = std::array<int32_t, kEventWords>;

// Event names, hashed at every use.
inline constexpr const char* kMenuOpenEvent = "CORVALE_MENU_OPEN";
inline constexpr const char* kMenuClosedEvent = "CORVALE_MENU_CLOSED";
inline constexpr const char* kMenuFlavourSetEvent = "CORVALE_MENU_FLAVOUR_SET";
inline constexpr const char* kPutHerbsInStillEvent = "CORVALE_PUT_HERBS_IN_STILL";

// The entries queued this frame (script event group).
int32_t QueuedEventCount();
// Copies entry index into words (at most 50 slots); false when the game has none there.
bool ReadQueuedEvent(int32_t index, EventWords& words);
// Sends name's hash followed by args, 100 words in all.
void SendBusinessEvent(const char* name, std::initializer_list<int32_t> args = {});

} // namespace corvale::business
