#pragma once
// What the camp ticks once a frame (camp manager, missions, interactions, objectives), with
// its table of named integer values: one-shot flags, counters and game-timer times.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace corvale {

class Executable {
  public:
    Executable() = default;
    Executable(const Executable&) = delete;
    Executable& operator=(const Executable&) = delete;
    virtual ~Executable() = default;

    // Called once per frame by the owner.
    virtual void tick() = 0;

    // The stored value, or 0 for a name never set, so every flag starts cleared. A look-up
    // allocates nothing.
    int32_t getValue(std::string_view name) const;
    // Inserts or overwrites; only the first write of a name allocates.
    void setValue(std::string_view name, int32_t value);

  private:
    std::map<std::string, int32_t, std::less<>> values_;
};

} // namespace corvale
