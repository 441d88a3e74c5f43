#include "core/runtime/Executable.h"

namespace corvale {

int32_t Executable::getValue(std::string_view name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? 0 : found->second;
}

void Executable::setValue(std::string_view name, int32_t value) {
    const auto found = values_.find(name);
    if (found != values_.end())
        found->second = value;
    else
        values_.emplace(std::string(name), value);
}

} // namespace corvale
