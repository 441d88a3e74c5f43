#pragma once
// Cutting a finding down: replays of fewer commands, each in a process of its own so that a
// crash or a plug-in that never yields cannot take the hunt down, keeping those that still
// break the same rule.
#include "scenario/Scenario.h"

#include <string>
#include <vector>

namespace sim::chaos {

struct Replay {
    std::string self;                 // corvale-sim
    std::vector<std::string> options; // --plugins, --data, --frame-ms as the hunt ran
    std::string rule;                 // the rule that must break again
    std::string scratch;              // a file to write each candidate to
};

// Whether the commands, written as a scenario, break the rule again within limitSeconds.
bool BreaksAgain(const Replay& replay, const std::vector<Command>& commands, double limitSeconds);

// The fewest commands found within seconds of wall time that still break the rule.
std::vector<Command> Shrink(const Replay& replay, std::vector<Command> commands, double seconds);

// The scenario text of a finding: its story in comments, `rules on`, the commands.
std::string FindingText(const std::vector<Command>& commands, const std::string& story);

} // namespace sim::chaos
