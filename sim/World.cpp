#include "World.h"

namespace sim {

uint64_t TextHandles::make(std::string text) {
    texts_.push_back(std::move(text));
    if (texts_.size() > kKept) {
        index_.erase(reinterpret_cast<uintptr_t>(texts_.front().c_str()));
        texts_.pop_front();
        ++firstSerial_;
    }
    const uint64_t handle = reinterpret_cast<uintptr_t>(texts_.back().c_str());
    index_[handle] = firstSerial_ + texts_.size() - 1;
    return handle;
}

const std::string* TextHandles::resolve(uint64_t handle) const {
    auto it = index_.find(handle);
    if (it == index_.end()) return nullptr;
    return &texts_[it->second - firstSerial_];
}

int32_t World::spawn(EntityKind kind, uint32_t model, Vec3 position, float heading) {
    const int32_t handle = nextHandle++;
    entities[handle] = Entity{kind, model, position, heading, true};
    return handle;
}

Entity* World::entity(int32_t handle) {
    auto it = entities.find(handle);
    return it == entities.end() ? nullptr : &it->second;
}

} // namespace sim
