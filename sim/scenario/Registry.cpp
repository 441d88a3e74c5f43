// The scenario commands by name, and the check of every line before the first frame.
#include "scenario/Scenario.h"

namespace sim {

void CommandRegistry::add(const std::string& name, const std::string& signature,
                          CommandHandler handler) {
    entries_[name] = Entry{Signature(signature), std::move(handler)};
}

const CommandRegistry::Entry* CommandRegistry::lookup(const Command& c, size_t& consumed) const {
    if (c.words.size() >= 2) {
        auto it = entries_.find(c.words[0] + " " + c.words[1]);
        if (it != entries_.end()) {
            consumed = 2;
            return &it->second;
        }
    }
    auto it = entries_.find(c.words[0]);
    if (it == entries_.end()) return nullptr;
    consumed = 1;
    return &it->second;
}

const CommandHandler* CommandRegistry::find(const Command& c, size_t& consumed) const {
    const Entry* e = lookup(c, consumed);
    return e ? &e->handler : nullptr;
}

void CommandRegistry::check(const Command& c) const {
    size_t consumed = 0;
    const Entry* e = lookup(c, consumed);
    if (!e) {
        // "player fly on": the family is known, its sub-command is not.
        const std::string family = c.words[0] + " ";
        auto it = entries_.lower_bound(family);
        if (it != entries_.end() && it->first.compare(0, family.size(), family) == 0)
            Fail(c, c.words.size() < 2 ? "missing " + c.words[0] + " command"
                                       : "unknown " + c.words[0] + " command: " + c.words[1]);
        Fail(c, "unknown command: " + c.words[0]);
    }
    std::string name = c.words[0];
    if (consumed == 2) name += " " + c.words[1];
    if (c.block && !e->signature.wantsBlock()) Fail(c, name + " takes no <<END block");
    if (e->signature.wantsBlock() && !c.block) Fail(c, name + " needs a <<END block");
    if (name == "until") {
        double seconds = 0;
        const Command inner = UntilExpectation(c, seconds);
        size_t innerConsumed = 0;
        if (inner.words.size() < 2 || !lookup(inner, innerConsumed) || innerConsumed != 2)
            Fail(c, "until needs an expectation, found: " + c.text());
        return check(inner);
    }
    const std::string wrong = e->signature.check(c, consumed);
    if (!wrong.empty()) Fail(c, wrong + " (" + name + " " + e->signature.text() + ")");
}

Command UntilExpectation(const Command& until, double& seconds) {
    Command inner = until;
    inner.words.erase(inner.words.begin());
    seconds = 60.0;
    if (inner.words.size() >= 2 && inner.words[inner.words.size() - 2] == "within") {
        seconds = ArgNumber(inner, inner.words.size() - 1);
        if (seconds <= 0.0) Fail(until, "until ... within needs a positive number of seconds");
        inner.words.resize(inner.words.size() - 2);
    }
    if (inner.words.empty() || inner.words[0] != "expect")
        inner.words.insert(inner.words.begin(), "expect");
    return inner;
}

const CommandRegistry& ScenarioCommands() {
    static const CommandRegistry registry = [] {
        CommandRegistry r;
        RegisterAllCommands(r);
        return r;
    }();
    return registry;
}

void CheckScenario(const std::vector<Command>& commands) {
    for (const Command& c : commands)
        ScenarioCommands().check(c);
}

} // namespace sim
