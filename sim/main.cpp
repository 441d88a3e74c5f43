// corvale-sim: runs the plug-ins against the simulated world, driven by scenario files.
#include "scenario/Scenario.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* kUsage =
    "usage: corvale-sim [--plugins DIR] [--game-dir DIR] [--data DIR] [--trace] [--census FILE]\n"
    "                   [--stats] [--frame-ms N] [--seed N] [--snapshot-dir DIR] [SCENARIO ...]\n";

struct Cli {
    sim::RunSettings settings;
    std::string census;
    bool stats = false;
    std::vector<std::string> scenarios;
};

bool ParseCli(int argc, char** argv, Cli& cli) {
    cli.settings.options.pluginDir = CORVALE_PLUGIN_DIR;
    cli.settings.dataDir = CORVALE_SOURCE_DIR "/data";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string number;
        if (a == "--plugins") {
            if (!value(cli.settings.options.pluginDir)) return false;
        } else if (a == "--game-dir") {
            if (!value(cli.settings.fixedGameDir)) return false;
        } else if (a == "--data") {
            if (!value(cli.settings.dataDir)) return false;
        } else if (a == "--snapshot-dir") {
            if (!value(cli.settings.snapshotDir)) return false;
        } else if (a == "--census") {
            if (!value(cli.census)) return false;
        } else if (a == "--trace") {
            cli.settings.options.trace = true;
        } else if (a == "--stats") {
            cli.stats = true;
        } else if (a == "--frame-ms") {
            if (!value(number)) return false;
            cli.settings.options.frameMs = std::atoi(number.c_str());
            if (cli.settings.options.frameMs <= 0) return false;
        } else if (a == "--seed") {
            if (!value(number)) return false;
            cli.settings.options.seed = static_cast<uint32_t>(std::strtoul(number.c_str(), nullptr, 0));
        } else if (a == "-h" || a == "--help" || a.rfind("--", 0) == 0) {
            return false;
        } else {
            cli.scenarios.push_back(a);
        }
    }
    if (cli.scenarios.empty()) cli.scenarios.push_back(CORVALE_SOURCE_DIR "/scenarios/tour.scn");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Cli cli;
    if (!ParseCli(argc, argv, cli)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    int passed = 0, failed = 0, worst = 0;
    sim::Figures figures;
    for (const std::string& path : cli.scenarios) {
        try {
            const std::vector<sim::Command> commands = sim::ParseScenario(path);
            sim::ScenarioRun run(cli.settings);
            const int code = run.run(commands);
            passed += run.passed();
            failed += run.failed();
            worst = std::max(worst, code);
            if (!cli.census.empty() || cli.stats) figures = run.sim().figures();
        } catch (const sim::ScenarioError& e) {
            std::fprintf(stderr, "error: %s\n", e.what());
            worst = 2;
        }
    }
    if (!cli.census.empty()) {
        std::ofstream out(cli.census);
        figures.writeCensus(out);
    }
    if (cli.stats) figures.writeStats(std::cout);
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return worst;
}
