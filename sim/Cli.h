#pragma once
// corvale-sim's command line (see README): the exit code of the run.
namespace sim {
int RunCommandLine(int argc, char** argv);
}
