#pragma once
// Scenario runs of the plug-ins this build made, in a fresh copy of the shipped data folder.
#include "scenario/Scenario.h"

namespace corvale::testing {

inline sim::RunSettings BuiltPluginSettings() {
    sim::RunSettings s;
    s.options.pluginDir = CORVALE_PLUGIN_DIR;
    s.dataDir = CORVALE_SOURCE_DIR "/data";
    return s;
}

} // namespace corvale::testing
