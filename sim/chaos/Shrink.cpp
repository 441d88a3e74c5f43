#include "chaos/Shrink.h"

#include "BoundedRun.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <sstream>

namespace sim::chaos {

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs the program on the file; its output lands in out. False when it had to be stopped.
bool RunReplay(const Replay& replay, const std::string& file, const std::string& out,
               double limitSeconds) {
    std::vector<std::string> args = {replay.self};
    args.insert(args.end(), replay.options.begin(), replay.options.end());
    args.push_back(file);
    return RunBounded(args, out, limitSeconds);
}

// He walks (or rides) up to a thing before he presses its prompt: a cut that leaves a press
// without the walk before it is no story a player plays, whatever the replay shows.
bool IsWalk(const Command& c) {
    return c.words.size() > 1 && c.words[0] == "player" &&
           (c.words[1] == "at" || c.words[1] == "to-entity" || c.words[1] == "to-blip");
}

bool KeepsWalksToPresses(const std::vector<Command>& commands, size_t from, size_t n) {
    size_t lastWalk = SIZE_MAX;
    for (size_t i = 0; i < commands.size(); ++i) {
        const bool cut = i >= from && i < from + n;
        if (!cut && commands[i].words[0] == "prompt" && lastWalk != SIZE_MAX &&
            lastWalk >= from && lastWalk < from + n)
            return false;
        if (IsWalk(commands[i])) lastWalk = i;
    }
    return true;
}

} // namespace

std::string FindingText(const std::vector<Command>& commands, const std::string& story) {
    std::ostringstream out;
    std::istringstream lines(story);
    std::string line;
    while (std::getline(lines, line))
        out << "# " << line << "\n";
    out << "rules on\n";
    for (const Command& c : commands)
        out << c.text() << "\n";
    return out.str();
}

bool BreaksAgain(const Replay& replay, const std::vector<Command>& commands, double limitSeconds) {
    {
        std::ofstream file(replay.scratch);
        file << FindingText(commands, "a candidate");
    }
    const std::string out = replay.scratch + ".out";
    if (!RunReplay(replay, replay.scratch, out, limitSeconds)) return false;
    std::ifstream in(out);
    std::string line;
    const std::string wanted = "rules on: rule " + replay.rule + " broken";
    while (std::getline(in, line))
        if (line.find(wanted) != std::string::npos) return true;
    return false;
}

// Leaves out ever smaller runs of commands, keeping each cut after which the rule still
// breaks and every press still follows the walk it followed. The last command, the one the
// rule broke in, stays.
std::vector<Command> Shrink(const Replay& replay, std::vector<Command> commands, double seconds) {
    const Clock::time_point start = Clock::now();
    auto left = [&] { return seconds - Since(start); };
    for (size_t chunk = commands.size() / 2; chunk >= 1 && left() > 0; chunk /= 2) {
        bool cut = true;
        while (cut && left() > 0) {
            cut = false;
            for (size_t from = 0; from + 1 < commands.size() && left() > 0;) {
                const size_t n = std::min(chunk, commands.size() - 1 - from);
                std::vector<Command> fewer(commands.begin(), commands.begin() + from);
                fewer.insert(fewer.end(), commands.begin() + from + n, commands.end());
                if (KeepsWalksToPresses(commands, from, n) &&
                    BreaksAgain(replay, fewer, std::max(1.0, left()))) {
                    commands = std::move(fewer);
                    cut = true;
                } else {
                    from += n;
                }
            }
        }
        if (chunk == 1) break;
    }
    return commands;
}

} // namespace sim::chaos
