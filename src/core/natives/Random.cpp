#include "core/natives/Random.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kGetRandomIntInRange{0xd53343aa4fb7dd28, "GET_RANDOM_INT_IN_RANGE",
                                              "int,int"};
constexpr native::Native kGetRandomFloatInRange{0xe29f927a961f8aaa, "GET_RANDOM_FLOAT_IN_RANGE",
                                                "float,float"};

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
