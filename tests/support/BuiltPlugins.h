#pragma once
// Scenario runs of the plug-ins this build made, in a fresh copy of the shipped data folder.
#include "scenario/Scenario.h"
#include "support/TestPaths.h"

namespace corvale::testing {

inline sim::RunSettings BuiltPluginSettings() {
    sim::RunSettings s;
    s.options.pluginDir = corvale::testing::PluginDir();
    s.dataDir = corvale::testing::SourcePath("/data");
    return s;
}

} // namespace corvale::testing
