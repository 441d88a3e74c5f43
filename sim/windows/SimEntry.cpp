// The simulator's entry, exported under this plain name for corvale-sim.exe.
#include "Cli.h"

#include <cstdio>

extern "C" int CorvaleSimRun(int argc, char** argv) {
    const int code = sim::RunCommandLine(argc, argv);
    std::fflush(nullptr);
    return code;
}
