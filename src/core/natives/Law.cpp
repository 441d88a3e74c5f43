#include "core/natives/Law.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kGetWantedScore{0xdd5fd601481f648b, "GET_WANTED_SCORE", "Player"};
constexpr native::Native kSetWantedScore{0xa80ff73f772acf6a, "SET_WANTED_SCORE", "Player,int"};
constexpr native::Native kReportCrime{0xf60386770878a98f, "_REPORT_CRIME",
                                      "Player,Hash,int,Entity,BOOL"};
constexpr native::Native kEnableDispatchLaw{0xc805eb785824f712, "_ENABLE_DISPATCH_LAW", "BOOL"};
constexpr native::Native kEnableDispatchLaw2{0x710448d44a64c213, "_ENABLE_DISPATCH_LAW_2", "BOOL"};
constexpr native::Native kSetBountyHunterPursuitCleared{0x55f37f5f3f2475e1,
                                                        "_SET_BOUNTY_HUNTER_PURSUIT_CLEARED", ""};
} // namespace

int32_t WantedScore(int32_t player) {
    return Invoke<int32_t>(kGetWantedScore, player);
}

void SetWantedScore(int32_t player, int32_t score) {
    Invoke(kSetWantedScore, player, score);
}

void ReportCrime(int32_t player, Hash crime, int32_t bounty, int32_t witness, bool flag) {
    Invoke(kReportCrime, player, crime, bounty, witness, flag);
}

void EnableLawDispatch(bool on) {
    Invoke(kEnableDispatchLaw, on);
}

void EnableLawReinforcements(bool on) {
    Invoke(kEnableDispatchLaw2, on);
}

void ClearBountyHunterPursuit() {
    Invoke(kSetBountyHunterPursuitCleared);
}

} // namespace corvale
