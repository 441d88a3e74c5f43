#include "core/runtime/ScriptMain.h"

#include "core/natives/Script.h"

namespace corvale {

void ScriptMain() {
    for (;;) {
        ScriptWait(0);
    }
}

} // namespace corvale
