#pragma once
// What the interface kit's feed natives receive; kit code runs every frame through the script
// harness (EveryFrame), and each test makes its own Notifications.
#include "Simulator.h"
#include "host/HostApi.h"
#include "support/ScriptHarness.h"
#include "ui/Notifications.h"

#include <memory>
#include <string_view>
#include <vector>

namespace kit {

// Copies of the argument blocks a feed native received, slot by slot.
struct CapturedFeed {
    std::vector<uint64_t> display, content, flags;
};

// Watches a feed native, by its name, so a test sees the blocks as received.
inline std::shared_ptr<std::vector<CapturedFeed>>
CaptureFeed(sim::Simulator& s, std::string_view native, size_t displaySlots, size_t contentSlots) {
    auto seen = std::make_shared<std::vector<CapturedFeed>>();
    corvale::testing::WatchNative(s, native, [=](const sim::NativeArgs& a) {
        CapturedFeed f;
        const uint64_t* display = a.p<const uint64_t>(0);
        const uint64_t* content = a.p<const uint64_t>(1);
        f.display.assign(display, display + displaySlots);
        f.content.assign(content, content + contentSlots);
        for (size_t i = 2; i < a.count; ++i)
            f.flags.push_back(a.raw(i));
        seen->push_back(f);
    });
    return seen;
}

} // namespace kit
