#include "core/natives/Decorations.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kDecorRegister{0x0b253d644e3c36b3, "DECOR_REGISTER", "const char*,int"};
constexpr native::Native kDecorGetInt{0x44db62727762fd9b, "DECOR_GET_INT", "Entity,const char*"};
constexpr native::Native kDecorSetInt{0xe88f4d7f52a6090f, "DECOR_SET_INT",
                                      "Entity,const char*,int"};
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
