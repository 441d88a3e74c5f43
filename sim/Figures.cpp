#include "Figures.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace sim {

namespace {
thread_local uint64_t* tAllocCounter = nullptr;
}

void BeginAllocationCount(uint64_t* counter) {
    tAllocCounter = counter;
}
void EndAllocationCount() {
    tAllocCounter = nullptr;
}

SimulatorAllocationScope::SimulatorAllocationScope() : saved(tAllocCounter) {
    tAllocCounter = nullptr;
}
SimulatorAllocationScope::~SimulatorAllocationScope() {
    tAllocCounter = saved;
}

void CountPluginAllocation() {
    if (tAllocCounter) ++*tAllocCounter;
}

void Figures::countCall(uint64_t hash, size_t args) {
    CensusEntry& e = census_[hash];
    e.args = args;
    ++e.calls;
}

void Figures::addFrame(const std::string& script, const FrameFigures& f) {
    frames_[script].push_back(f);
}

void Figures::add(const Figures& other) {
    for (const auto& [hash, e] : other.census_) {
        CensusEntry& mine = census_[hash];
        mine.args = e.args;
        mine.calls += e.calls;
    }
    for (const auto& [script, frames] : other.frames_) {
        std::vector<FrameFigures>& mine = frames_[script];
        mine.insert(mine.end(), frames.begin(), frames.end());
    }
}

const std::vector<FrameFigures>& Figures::frames(const std::string& script) const {
    static const std::vector<FrameFigures> none;
    auto it = frames_.find(script);
    return it == frames_.end() ? none : it->second;
}

void Figures::writeCensus(std::ostream& out) const {
    char line[64];
    for (const auto& [hash, e] : census_) {
        std::snprintf(line, sizeof line, "0x%016" PRIx64 "\t%zu\t%" PRIu64 "\n", hash, e.args,
                      e.calls);
        out << line;
    }
}

namespace {

struct Summary {
    double mean = 0, p99 = 0, max = 0;
};

Summary Summarise(std::vector<double> values) {
    Summary s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (double v : values)
        sum += v;
    s.mean = sum / static_cast<double>(values.size());
    const size_t idx = std::min(values.size() - 1, (values.size() * 99 + 99) / 100 - 1);
    s.p99 = values[idx];
    s.max = values.back();
    return s;
}

} // namespace

void Figures::writeStats(std::ostream& out) const {
    char line[160];
    for (const auto& [script, frames] : frames_) {
        std::vector<double> natives, allocs, us;
        for (const FrameFigures& f : frames) {
            natives.push_back(static_cast<double>(f.natives));
            allocs.push_back(static_cast<double>(f.allocs));
            const uint64_t own = f.cpuNs > f.nativeNs ? f.cpuNs - f.nativeNs : 0;
            us.push_back(static_cast<double>(own) / 1000.0);
        }
        const std::pair<const char*, Summary> rows[] = {
            {"natives", Summarise(natives)}, {"allocs", Summarise(allocs)}, {"us", Summarise(us)}};
        for (const auto& [name, s] : rows) {
            std::snprintf(line, sizeof line, "stats %s %s %.2f %.2f %.2f\n", script.c_str(), name,
                          s.mean, s.p99, s.max);
            out << line;
        }
    }
}

} // namespace sim

#if !defined(__SANITIZE_ADDRESS__) && !defined(_WIN32)
// Counting allocator: Linux plug-ins bind operator new to the simulator process, so the
// allocations their code makes on a script's thread are counted for that script. The Windows
// plug-ins carry their own runtime: their heap imports are pointed at the simulator instead.
#define SIM_EXPORT __attribute__((visibility("default")))
SIM_EXPORT void* operator new(std::size_t size) {
    sim::CountPluginAllocation();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
SIM_EXPORT void* operator new[](std::size_t size) {
    return operator new(size);
}
SIM_EXPORT void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    sim::CountPluginAllocation();
    return std::malloc(size ? size : 1);
}
SIM_EXPORT void* operator new[](std::size_t size, const std::nothrow_t& t) noexcept {
    return operator new(size, t);
}
SIM_EXPORT void operator delete(void* p) noexcept {
    std::free(p);
}
SIM_EXPORT void operator delete[](void* p) noexcept {
    std::free(p);
}
SIM_EXPORT void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
SIM_EXPORT void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
#endif
