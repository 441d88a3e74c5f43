// Script events as another mod could send them (any type, any size, any words, our names or
// not) read by both plug-ins, loaded from their built libraries into the simulator with a
// built camp, a still and the player at the camp. A protocol fault or a crash is a finding.
#include "Hash.h"
#include "chaos/OurEvents.h"
#include "natives/Events.h"
#include "scenario/Scenario.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Both plug-ins at a built camp with the still's menu in reach.
constexpr const char* kSetUp = R"(
file Corvale/Savegame.dat <<END
operation.location=2025841068
operation.stats.influence=0.2
operation.stats.law_awareness=0.25
END
plugins both
player cash 200000
player item consumable_herb_ginseng 2
player at 1790 -821 42.59
frames 30
)";

constexpr int kMaxEventsPerInput = 4;

class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint32_t word() {
        uint32_t w = 0;
        for (int i = 0; i < 4; ++i)
            w |= static_cast<uint32_t>(byte()) << (8 * i);
        return w;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

std::unique_ptr<sim::ScenarioRun> gRun;

void CheckNoFault() {
    const auto& faults = gRun->sim().faults();
    if (faults.empty()) return;
    for (const std::string& f : faults)
        std::fprintf(stderr, "protocol fault: %s\n", f.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    sim::RunSettings settings;
    settings.options.pluginDir = CORVALE_PLUGIN_DIR;
    settings.dataDir = CORVALE_SOURCE_DIR "/data";
    gRun = std::make_unique<sim::ScenarioRun>(settings);
    gRun->run(sim::ParseScenarioText(kSetUp, "set-up"));
    CheckNoFault();
    std::atexit([] { gRun.reset(); }); // removes the game folder
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    sim::World& world = gRun->sim().world();
    world.events.sent.clear(); // kept for expectations, which this run has none of
    for (int n = 0; n < kMaxEventsPerInput && !in.empty(); ++n) {
        // Type: the game's script event, or (1 in 8) anything another mod's game event is.
        const uint8_t kind = in.byte();
        const uint32_t type = (kind & 7) == 7 ? in.word() : sim::ScriptEventType();
        // Size in 8-byte slots, past what any reader asks for.
        const size_t slots = in.byte();
        std::vector<uint64_t> payload(slots);
        std::vector<int32_t> words(slots * 2);
        const uint8_t name = in.byte();
        for (size_t w = 0; w < words.size(); ++w)
            words[w] = static_cast<int32_t>(in.word());
        // Word 0 is one of our names most of the time, so the readers' handlers are reached.
        if (!words.empty() && name < 2 * sim::chaos::kOurEventCount)
            words[0] = static_cast<int32_t>(
                sim::GameHash(sim::chaos::kOurEvents[name % sim::chaos::kOurEventCount]));
        if (!words.empty()) std::memcpy(payload.data(), words.data(), words.size() * 4);
        world.events.post(1, sim::QueuedEvent{type, std::move(payload)});
    }
    // The frame makes them visible; both plug-ins read them and act in it.
    gRun->runFrames(1);
    CheckNoFault();
    return 0;
}
