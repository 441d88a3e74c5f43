#include "support/FakeHost.h"

#include <cstdlib>

namespace corvale::testing {

namespace {
FakeHost* gHost = nullptr;
}

struct FakeHostAccess {
    static void init(uint64_t hash) { gHost->pending_ = RecordedCall{hash, {}}; }
    static void push(uint64_t slot) { gHost->pending_.args.push_back(slot); }
    static uint64_t* call() {
        FakeHost& h = *gHost;
        h.calls_.push_back(h.pending_);
        const auto it = h.results_.find(h.pending_.hash);
        h.result_[0] = it == h.results_.end() ? 0 : it->second(h.pending_.args);
        h.result_[1] = h.result_[2] = 0;
        return h.result_;
    }
};

namespace {
void Register(void*, host::ScriptEntry) {}
void Unregister(void*) {}
void Wait(uint32_t ms) {
    ++gHost->waits;
    if (gHost->onWait) gHost->onWait(ms);
}
void KeyboardRegister(host::KeyboardHandler) {}
uint32_t Tick() { return gHost->tick; }
int64_t Calendar() { return gHost->calendar; }
void Local(int64_t, std::tm* out) { *out = gHost->local; }
void Seed(uint32_t s) { std::srand(s); }
int Rand() { return std::rand(); }
} // namespace

FakeHost::FakeHost() {
    gHost = this;
    host::Install(host::HostApi{Register, Unregister, Wait, KeyboardRegister, KeyboardRegister,
                                FakeHostAccess::init, FakeHostAccess::push, FakeHostAccess::call,
                                Tick, Calendar, Local, Seed, Rand});
}

FakeHost::~FakeHost() {
    host::Install(host::HostApi{});
    gHost = nullptr;
}

std::vector<RecordedCall> FakeHost::callsTo(uint64_t hash) const {
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : calls_)
        if (c.hash == hash) out.push_back(c);
    return out;
}

} // namespace corvale::testing
