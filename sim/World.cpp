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

const Entity* World::entity(int32_t handle) const {
    auto it = entities.find(handle);
    return it == entities.end() ? nullptr : &it->second;
}

Entity* World::ped(int32_t handle) {
    Entity* e = entity(handle);
    return e && e->kind == EntityKind::Ped ? e : nullptr;
}

const Entity* World::ped(int32_t handle) const {
    const Entity* e = entity(handle);
    return e && e->kind == EntityKind::Ped ? e : nullptr;
}

int32_t World::nearest(EntityKind kind, uint32_t model, Vec3 from, bool livingOnly) const {
    int32_t best = 0;
    float bestD = 0;
    for (const auto& [handle, e] : entities) {
        if (e.kind != kind || e.model != model || (livingOnly && !e.alive)) continue;
        const float dx = e.position.x - from.x, dy = e.position.y - from.y,
                    dz = e.position.z - from.z;
        const float d = dx * dx + dy * dy + dz * dz;
        if (!best || d < bestD) best = handle, bestD = d;
    }
    return best;
}

} // namespace sim
