#include "core/platform/SharedFile.h"

#ifdef _WIN32
#include <share.h>
#endif

namespace corvale::platform {

std::FILE* OpenShared(const char* path, const char* mode) {
#ifdef _WIN32
    return _fsopen(path, mode, _SH_DENYNO);
#else
    // Opens never lock on POSIX systems.
    return std::fopen(path, mode);
#endif
}

} // namespace corvale::platform
