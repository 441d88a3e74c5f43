#include "core/natives/Sequences.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kOpenSequenceTask = 0xe8854a4326b9e12b;
constexpr uint64_t kCloseSequenceTask = 0x39e72bc99e6360cb;
constexpr uint64_t kTaskPerformSequence = 0x5aba3986d90d8a3b;
constexpr uint64_t kClearSequenceTask = 0x3841422e9c488d8c;
constexpr uint64_t kGetSequenceProgress = 0x00a9010cfe1e3533;
} // namespace

Sequence OpenSequence() {
    Sequence sequence = kNoSequence;
    Invoke(kOpenSequenceTask, &sequence);
    return sequence;
}

void CloseSequence(Sequence sequence) {
    Invoke(kCloseSequenceTask, sequence);
}

void PerformSequence(Ped ped, Sequence sequence) {
    Invoke(kTaskPerformSequence, ped, sequence);
}

void ClearSequence(Sequence& sequence) {
    Invoke(kClearSequenceTask, &sequence);
    sequence = kNoSequence;
}

int32_t SequenceProgress(Ped ped) {
    return Invoke<int32_t>(kGetSequenceProgress, ped);
}

} // namespace corvale
