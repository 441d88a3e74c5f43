#pragma once
// The pushes the slot probe makes, one call a frame, in this order: for each kind of slot
// a push the game reads as meant and pushes it cannot. Shared by the probe and its test.
#include <cstddef>
#include <cstdint>

namespace slot_probe {

struct ProbeCase {
    const char* what;  // the push, for the test's messages
    uint64_t hash;     // a harmless native taking that kind of slot
    uint64_t slots[4]; // what is pushed
    size_t count;
    const char* fault; // part of the fault it must raise, nullptr when it must pass
};

constexpr uint64_t kSetTextScale = 0xa1253a3c870b6843;        // float,float
constexpr uint64_t kSetTextColour = 0x50a41ad966910f03;       // int,int,int,int
constexpr uint64_t kIsWeaponAGun = 0x705be297eebdb95d;        // Hash
constexpr uint64_t kPedSittingInVehicle = 0xa808aa1d79230fc2; // Ped,Vehicle
constexpr uint64_t kDisplayHud = 0xd63fe3af9fb3d53f;          // BOOL

constexpr uint64_t kOneF = 0x3F800000;       // 1.0f
constexpr uint64_t kMinusHalfF = 0xBF000000; // -0.5f
constexpr uint64_t kMinusZeroF = 0x80000000; // -0.0f
constexpr uint64_t kMinusOne = 0xFFFFFFFF;   // -1 as the protocol pushes it
constexpr uint64_t kSignExtended = 0xFFFFFFFFFFFFFFFF;

constexpr ProbeCase kCases[] = {
    {"floats 1.0 and -0.5", kSetTextScale, {kOneF, kMinusHalfF}, 2, nullptr},
    {"floats 0.0 and -0.0", kSetTextScale, {0, kMinusZeroF}, 2, nullptr},
    {"the integer 100000 in a float slot",
     kSetTextScale,
     {kOneF, 100000},
     2,
     "argument 1 is a float, an integer (100000) was pushed"},
    {"the integer 1 in a float slot",
     kSetTextScale,
     {1, kOneF},
     2,
     "argument 0 is a float, an integer (1) was pushed"},
    {"the integer -2 in a float slot (a NaN)",
     kSetTextScale,
     {kOneF, 0xFFFFFFFE},
     2,
     "argument 1 is a float, an integer (-2) was pushed"},
    {"a float with its upper half set",
     kSetTextScale,
     {0x100000000 | kOneF, kOneF},
     2,
     "argument 0 is a float, its upper 32 bits are set"},
    {"ints 0, 255, -1 and 2147483647", kSetTextColour, {0, 255, kMinusOne, 0x7FFFFFFF}, 4, nullptr},
    {"a sign-extended -1 in an int slot",
     kSetTextColour,
     {0, 0, kSignExtended, 255},
     4,
     "argument 2 is an int, its upper 32 bits are set (0xffffffffffffffff)"},
    {"a hash with its top bit set", kIsWeaponAGun, {0xDEADBEEF}, 1, nullptr},
    {"a sign-extended hash",
     kIsWeaponAGun,
     {0xFFFFFFFFDEADBEEF},
     1,
     "argument 0 is a Hash, its upper 32 bits are set"},
    {"handles 0 and 7", kPedSittingInVehicle, {0, 7}, 2, nullptr},
    {"a vehicle handle with its upper half set",
     kPedSittingInVehicle,
     {0, 0x100000007},
     2,
     "argument 1 is a Vehicle, its upper 32 bits are set"},
    {"BOOL 1", kDisplayHud, {1}, 1, nullptr},
    {"BOOL 0", kDisplayHud, {0}, 1, nullptr},
    {"BOOL 2",
     kDisplayHud,
     {2},
     1,
     "argument 0 is a BOOL, 0x0000000000000002 was pushed, not 0 or 1"},
    {"-1 as a BOOL", kDisplayHud, {kMinusOne}, 1, "argument 0 is a BOOL"},
    {"a BOOL with its upper half set", kDisplayHud, {0x100000001}, 1, "argument 0 is a BOOL"},
};

constexpr size_t kCaseCount = sizeof kCases / sizeof kCases[0];

} // namespace slot_probe
