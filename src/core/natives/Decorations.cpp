#include "core/natives/Decorations.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kDecorRegister = 0x0b253d644e3c36b3;
constexpr uint64_t kDecorGetInt = 0x44db62727762fd9b;
constexpr uint64_t kDecorSetInt = 0xe88f4d7f52a6090f;
} // namespace

void RegisterDecoration(const char* name, int32_t type) {
    Invoke(kDecorRegister, name, type);
}

int32_t DecorationInt(Entity entity, const char* name) {
    return Invoke<int32_t>(kDecorGetInt, entity, name);
}

bool SetDecorationInt(Entity entity, const char* name, int32_t value) {
    return Invoke<bool>(kDecorSetInt, entity, name, value);
}

} // namespace corvale
