#include "support/TestPaths.h"

namespace corvale::testing {

std::string SourcePath(std::string_view rel) {
    return std::string(CORVALE_SOURCE_DIR).append(rel);
}

std::string PluginDir() {
    return CORVALE_PLUGIN_DIR;
}

} // namespace corvale::testing
