#include "NativeTable.h"

#include "Simulator.h"

#include <stdexcept>

namespace sim {

Entity* Call::entity(size_t n) const {
    Entity* e = w.entity(i(n));
    if (!e)
        sim.trace(std::string(name) + (i(n) == 0
                                           ? " given no entity (0)"
                                           : " given unknown entity #" + std::to_string(i(n))));
    return e;
}

Entity* Call::ped(size_t n) const {
    Entity* e = w.ped(i(n));
    if (!e)
        sim.fault(std::string(name) + " given ped " + std::to_string(i(n)) +
                  ", which does not exist");
    return e;
}

void Call::fault(const std::string& what) const {
    sim.fault(std::string(name) + ": " + what);
}
void Call::trace(const std::string& what) const {
    sim.trace(what);
}

void NativeHandler::operator()(Simulator& sim, const NativeArgs& a, NativeResult& r) const {
    Call call{sim, sim.world(), a, r};
    fn_(call);
}

void NativeTable::add(uint64_t hash, const char* name, const char* types, NativeHandler handler) {
    NativeSpec spec;
    spec.hash = hash;
    spec.name = name;
    spec.types = types;
    spec.handler = std::move(handler);
    std::string_view rest = types;
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const std::string_view type = rest.substr(0, comma);
        if (type == "...") {
            spec.variadic = true;
        } else {
            spec.slots.push_back(SlotKindOf(type));
            spec.slotTypes.emplace_back(type);
            ++spec.argc;
        }
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    if (!specs_.emplace(hash, std::move(spec)).second)
        throw std::logic_error("native declared twice: " + std::string(name));
}

void NativeTable::override(uint64_t hash, NativeHandler handler) {
    auto it = specs_.find(hash);
    if (it == specs_.end()) throw std::logic_error("override of an undeclared native");
    it->second.handler = std::move(handler);
}

const NativeSpec* NativeTable::find(uint64_t hash) const {
    auto it = specs_.find(hash);
    return it == specs_.end() ? nullptr : &it->second;
}

} // namespace sim
