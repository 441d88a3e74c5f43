#pragma once
// The chaos run's own random numbers: the same seed plays the same run on every machine.
#include <cstdint>
#include <string>
#include <vector>

namespace sim::chaos {

class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number in [lo, hi].
    int64_t between(int64_t lo, int64_t hi) {
        return lo + static_cast<int64_t>(next() % static_cast<uint64_t>(hi - lo + 1));
    }
    double real(double lo, double hi) {
        return lo + (hi - lo) * double(next() >> 11) / double(1ull << 53);
    }
    bool chance(double p) { return real(0, 1) < p; }
    template <class T> const T& pick(const std::vector<T>& from) {
        return from[static_cast<size_t>(between(0, int64_t(from.size()) - 1))];
    }
    // An index drawn by weight.
    size_t weighted(const std::vector<int>& weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int64_t r = between(0, total - 1);
        for (size_t i = 0; i < weights.size(); ++i)
            if ((r -= weights[i]) < 0) return i;
        return weights.size() - 1;
    }

  private:
    uint64_t state_;
};

// One scenario command, as its words.
using Words = std::vector<std::string>;

} // namespace sim::chaos
