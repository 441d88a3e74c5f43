#pragma once
// Census of native calls and per-frame figures of each script: native calls, heap
// allocations and the plug-in's own CPU time.
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace sim {

struct CensusEntry {
    size_t args = 0;
    uint64_t calls = 0;
};

struct FrameFigures {
    uint64_t natives = 0;
    uint64_t allocs = 0;
    uint64_t cpuNs = 0;    // the script's slice
    uint64_t nativeNs = 0; // spent inside the simulator's handlers
};

class Figures {
  public:
    void countCall(uint64_t hash, size_t args);
    void addFrame(const std::string& script, const FrameFigures& f);
    // Adds another run's figures to these (a run over several scenarios counts them all).
    void add(const Figures& other);
    void writeCensus(std::ostream& out) const;
    // "stats SCRIPT FIGURE MEAN P99 MAX" lines.
    void writeStats(std::ostream& out) const;
    const std::map<uint64_t, CensusEntry>& census() const { return census_; }
    const std::vector<FrameFigures>& frames(const std::string& script) const;

  private:
    std::map<uint64_t, CensusEntry> census_;
    std::map<std::string, std::vector<FrameFigures>> frames_;
};

// Heap allocations made by plug-in code on the current thread while counting is on.
void BeginAllocationCount(uint64_t* counter);
void EndAllocationCount();
// Allocations made by the simulator itself on a script's thread are not the plug-in's.
struct SimulatorAllocationScope {
    SimulatorAllocationScope();
    ~SimulatorAllocationScope();
    uint64_t* saved;
};

// One heap allocation by plug-in code: counted for the running script while counting is on.
void CountPluginAllocation();

} // namespace sim
