#include "core/natives/Sequences.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kOpenSequenceTask{0xe8854a4326b9e12b, "OPEN_SEQUENCE_TASK", "int*"};
constexpr native::Native kCloseSequenceTask{0x39e72bc99e6360cb, "CLOSE_SEQUENCE_TASK", "int"};
constexpr native::Native kTaskPerformSequence{0x5aba3986d90d8a3b, "TASK_PERFORM_SEQUENCE",
                                              "Ped,int"};
constexpr native::Native kClearSequenceTask{0x3841422e9c488d8c, "CLEAR_SEQUENCE_TASK", "int*"};
constexpr native::Native kGetSequenceProgress{0x00a9010cfe1e3533, "GET_SEQUENCE_PROGRESS", "Ped"};
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
