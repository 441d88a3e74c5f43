// corvale-sim's command line: runs the plug-ins against the simulated world, driven by
// scenario files.
#include "Cli.h"
#include "chaos/Hunt.h"
#include "scenario/Scenario.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* kUsage =
    "usage: corvale-sim [--plugins DIR] [--game-dir DIR] [--data DIR] [--trace] [--census FILE]\n"
    "                   [--stats] [--frame-ms N] [--seed N] [--snapshot-dir DIR]\n"
    "                   [--define NAME=VALUE ...] [SCENARIO ...]\n"
    "       corvale-sim --chaos SEED [--minutes N] [--out DIR] [--shrink-seconds N] [--echo]\n"
    "                   [--plugins DIR] [--data DIR] [--frame-ms N] [--seed N]\n";

struct Cli {
    sim::RunSettings settings;
    std::string census;
    bool stats = false;
    sim::Defines defines;
    std::vector<std::string> scenarios;
    bool chaos = false;
    sim::chaos::HuntSettings hunt;
};

bool Decimal(const std::string& text, double& out) {
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && out >= 0 && out < 1e7;
}

bool WholeNumber(const std::string& text, unsigned long long max, unsigned long long& out) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtoull(text.c_str(), &end, 0);
    return !errno && *end == '\0' && out <= max;
}

// NAME=VALUE: the value of every ${NAME} in the scenarios; a later one for the same name wins.
bool Define(const std::string& text, sim::Defines& defines) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) return false;
    const std::string name = text.substr(0, equals), value = text.substr(equals + 1);
    if (!sim::IsParameterName(name) || value.find_first_of("\r\n") != std::string::npos)
        return false;
    defines[name] = value;
    return true;
}

// A run changes into its game folder: every path given is taken from where we started.
void Resolve(std::string& path) {
    if (!path.empty()) path = fs::absolute(path).lexically_normal().string();
}

bool ParseCli(int argc, char** argv, Cli& cli) {
    cli.settings.options.pluginDir = CORVALE_PLUGIN_DIR;
    cli.settings.dataDir = CORVALE_SOURCE_DIR "/data";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return !out.empty();
        };
        std::string number;
        unsigned long long n = 0;
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
            if (!value(number) || !WholeNumber(number, 10000, n) || n == 0) return false;
            cli.settings.options.frameMs = static_cast<int>(n);
        } else if (a == "--seed") {
            if (!value(number) || !WholeNumber(number, UINT32_MAX, n)) return false;
            cli.settings.options.seed = static_cast<uint32_t>(n);
        } else if (a == "--chaos") {
            if (!value(number) || !WholeNumber(number, UINT64_MAX, n)) return false;
            cli.chaos = true;
            cli.hunt.seed = n;
        } else if (a == "--minutes") {
            if (!value(number) || !Decimal(number, cli.hunt.minutes)) return false;
        } else if (a == "--shrink-seconds") {
            if (!value(number) || !Decimal(number, cli.hunt.shrinkSeconds)) return false;
        } else if (a == "--out") {
            if (!value(cli.hunt.outDir)) return false;
        } else if (a == "--echo") {
            cli.hunt.echo = true;
        } else if (a == "--define") {
            if (i + 1 >= argc || !Define(argv[++i], cli.defines)) return false;
        } else if (a == "-h" || a == "--help" || a.rfind("--", 0) == 0) {
            return false;
        } else {
            cli.scenarios.push_back(a);
        }
    }
    if (cli.scenarios.empty()) cli.scenarios.push_back(CORVALE_SOURCE_DIR "/scenarios/tour.scn");
    for (std::string* path : {&cli.settings.options.pluginDir, &cli.settings.fixedGameDir,
                              &cli.settings.dataDir, &cli.settings.snapshotDir, &cli.census})
        Resolve(*path);
    for (std::string& path : cli.scenarios)
        Resolve(path);
    return true;
}

struct Totals {
    int passed = 0, failed = 0, worst = 0;
    sim::Figures figures;
};

void Play(const Cli& cli, const std::vector<sim::Command>& commands, Totals& totals) {
    std::unique_ptr<sim::ScenarioRun> run;
    int code = 0;
    try {
        run = std::make_unique<sim::ScenarioRun>(cli.settings);
        code = run->run(commands);
    } catch (const sim::ScenarioError& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        ++totals.failed;
        code = 2;
    }
    totals.worst = std::max(totals.worst, code);
    if (!run) return;
    totals.passed += run->passed();
    totals.failed += run->failed();
    totals.figures.add(run->sim().figures());
}

} // namespace

int sim::RunCommandLine(int argc, char** argv) {
    Cli cli;
    if (!ParseCli(argc, argv, cli)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (cli.chaos) {
        cli.hunt.run = cli.settings;
        cli.hunt.self = fs::read_symlink("/proc/self/exe").string();
        Resolve(cli.hunt.outDir);
        return sim::chaos::Hunt(cli.hunt);
    }
    Totals totals;
    // Every line of every scenario is checked before the first frame of the first.
    std::vector<std::vector<sim::Command>> scenarios;
    for (const std::string& path : cli.scenarios) {
        try {
            scenarios.push_back(sim::ParseScenario(path, cli.defines));
            sim::CheckScenario(scenarios.back());
        } catch (const sim::ScenarioError& e) {
            std::fprintf(stderr, "error: %s\n", e.what());
            ++totals.failed;
            totals.worst = 2;
        }
    }
    if (totals.worst == 0)
        for (const std::vector<sim::Command>& commands : scenarios)
            Play(cli, commands, totals);
    if (!cli.census.empty()) {
        std::ofstream out(cli.census);
        totals.figures.writeCensus(out);
        if (!out) {
            std::fprintf(stderr, "error: cannot write %s\n", cli.census.c_str());
            ++totals.failed;
            totals.worst = 2;
        }
    }
    if (cli.stats) totals.figures.writeStats(std::cout);
    std::cout << totals.passed << " passed, " << totals.failed << " failed" << std::endl;
    return totals.worst;
}
