#include "core/runtime/Session.h"

namespace corvale {

namespace {
Session* gSession = nullptr;
}

void InstallSession(Session* session) {
    gSession = session;
}
Session* CurrentSession() {
    return gSession;
}

} // namespace corvale
