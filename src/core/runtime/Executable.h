#pragma once
// Everything ticked once per frame by its owner (camp manager, missions, interactions,
// objectives), with a table of named integer values: one-shot flags, counters and times.
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

    // Once per frame.
    virtual void tick() = 0;

    // The stored value, or 0 when the name was never set; a map search, no allocation.
    int32_t getValue(std::string_view name) const;
    // Inserts or overwrites; only a name's first set allocates.
    void setValue(std::string_view name, int32_t value);

  private:
    std::map<std::string, int32_t, std::less<>> values_;
};

} // namespace corvale
