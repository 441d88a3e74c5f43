#include "core/natives/Law.h"

namespace corvale {

namespace {
constexpr uint64_t kGetWantedScore = 0xdd5fd601481f648b;
constexpr uint64_t kSetWantedScore = 0xa80ff73f772acf6a;
constexpr uint64_t kReportCrime = 0xf60386770878a98f;
constexpr uint64_t kEnableDispatchLaw = 0xc805eb785824f712;
constexpr uint64_t kEnableDispatchLaw2 = 0x710448d44a64c213;
constexpr uint64_t kSetBountyHunterPursuitCleared = 0x55f37f5f3f2475e1;
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
