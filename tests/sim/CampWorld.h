#pragma once
// A scenario run without plug-ins whose natives a test calls through the simulator's native
// entry, by name, the way a plug-in pushes its slots.
#include "Hash.h"
#include "scenario/Scenario.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace corvale::testing {

inline uint64_t Slot(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}
inline uint64_t Slot(double v) {
    return Slot(static_cast<float>(v));
}
inline uint64_t Slot(int32_t v) {
    return static_cast<uint32_t>(v);
}
inline uint64_t Slot(uint32_t v) {
    return v;
}
inline uint64_t Slot(bool v) {
    return v ? 1 : 0;
}
inline uint64_t Slot(const void* p) {
    return reinterpret_cast<uintptr_t>(p);
}

struct CampWorld : ::testing::Test {
    void SetUp() override {
        char dir[] = "/tmp/corvale-data-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dataDir = dir;
        sim::RunSettings s;
        s.dataDir = dataDir;
        run = std::make_unique<sim::ScenarioRun>(s);
        run->setPlugins({});
    }
    void TearDown() override {
        run.reset();
        std::filesystem::remove_all(dataDir);
    }
    // Plays scenario lines; the run's exit code (0 all held, 1 an expectation failed).
    int play(const std::string& text) { return run->run(sim::ParseScenarioText(text, "test.scn")); }
    // Plays expectations (and commands); true when every expectation among them held.
    bool holds(const std::string& text) {
        const int failedBefore = run->failed();
        play(text);
        return run->failed() == failedBefore;
    }
    sim::Simulator& sim() { return run->sim(); }
    sim::World& world() { return run->sim().world(); }
    void frames(uint64_t n) { run->runFrames(n); }

    // The hash of the native of that name.
    uint64_t hashOf(const std::string& name) {
        for (const auto& [h, spec] : sim().natives().all())
            if (spec.name == name) return h;
        ADD_FAILURE() << name << " has no handler";
        return 0;
    }
    // Calls the native of that name with the slots given; the first result slot.
    template <class... A> uint64_t call(const std::string& name, A... args) {
        sim().hostNativeInit(hashOf(name));
        (sim().hostNativePush(Slot(args)), ...);
        return sim().hostNativeCall()[0];
    }
    template <class... A> int32_t callInt(const std::string& name, A... args) {
        return static_cast<int32_t>(static_cast<uint32_t>(call(name, args...)));
    }
    template <class... A> float callFloat(const std::string& name, A... args) {
        const uint32_t bits = static_cast<uint32_t>(call(name, args...));
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    int32_t spawnPed(const char* model, sim::Vec3 at) {
        return world().spawn(sim::EntityKind::Ped, sim::GameHash(model), at, 0);
    }
    // A loaded model, as a plug-in makes sure of before creating anything of it.
    uint32_t loaded(const char* model) {
        const uint32_t hash = sim::GameHash(model);
        world().hashNames.emplace(hash, model);
        world().streaming.request(hash, world().frame);
        frames(world().streaming.framesToLoad);
        return hash;
    }
    sim::Vec3 at(int32_t entity) { return world().entities.at(entity).position; }

    std::string dataDir;
    std::unique_ptr<sim::ScenarioRun> run;
};

} // namespace corvale::testing
