// corvale-sim on Linux: the simulator and the host operations are in this program.
#include "Cli.h"

int main(int argc, char** argv) {
    return sim::RunCommandLine(argc, argv);
}
