#include "core/natives/Random.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kGetRandomIntInRange = 0xd53343aa4fb7dd28;
constexpr uint64_t kGetRandomFloatInRange = 0xe29f927a961f8aaa;

template <class T> T Pick(std::span<const T> list) {
    if (list.empty()) return T{};
    return list[static_cast<size_t>(RandomInt(0, static_cast<int32_t>(list.size())))];
}
} // namespace

int32_t RandomInt(int32_t min, int32_t max) {
    return Invoke<int32_t>(kGetRandomIntInRange, min, max);
}

float RandomFloat01() {
    return Invoke<float>(kGetRandomFloatInRange, 0.0f, 1.0f);
}

Vector3 RandomElement(std::span<const Vector3> positions) {
    return Pick(positions);
}

Entity RandomElement(std::span<const Entity> handles) {
    return Pick(handles);
}

float RandomFloat(float min, float max) {
    return Invoke<float>(kGetRandomFloatInRange, min, max);
}

} // namespace corvale
