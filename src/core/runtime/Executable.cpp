#include "core/runtime/Executable.h"

namespace corvale {

int32_t Executable::getValue(std::string_view name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? 0 : it->second;
}

void Executable::setValue(std::string_view name, int32_t value) {
    const auto it = values_.find(name);
    if (it != values_.end()) {
        it->second = value;
        return;
    }
    values_.emplace(std::string(name), value);
}

} // namespace corvale
