#pragma once
// A host table for unit tests of plug-in code without the simulator: records every native
// call and answers with results the test sets per hash.
#include "host/HostApi.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <vector>

namespace corvale::testing {

struct RecordedCall {
    uint64_t hash;
    std::vector<uint64_t> args;
};

class FakeHost {
  public:
    FakeHost();  // installs itself as the host
    ~FakeHost(); // installs an empty table

    // Result slots for a native; a handler may compute them from the arguments.
    void answer(uint64_t hash, uint64_t value) { results_[hash] = [value](auto&) { return value; }; }
    void answer(uint64_t hash, std::function<uint64_t(const std::vector<uint64_t>&)> f) {
        results_[hash] = std::move(f);
    }
    const std::vector<RecordedCall>& calls() const { return calls_; }
    std::vector<RecordedCall> callsTo(uint64_t hash) const;
    void clearCalls() { calls_.clear(); }

    uint32_t tick = 0;          // platform tick count
    int64_t calendar = 0;       // calendar seconds
    std::tm local{};            // what LocalTime answers
    uint32_t waits = 0;         // scriptWait calls
    std::function<void(uint32_t)> onWait; // runs inside scriptWait

  private:
    friend struct FakeHostAccess;
    std::map<uint64_t, std::function<uint64_t(const std::vector<uint64_t>&)>> results_;
    std::vector<RecordedCall> calls_;
    RecordedCall pending_;
    uint64_t result_[3] = {0, 0, 0};
};

} // namespace corvale::testing
