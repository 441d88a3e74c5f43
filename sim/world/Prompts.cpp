// What the player sees of the prompts at the end of a frame.
#include "world/Prompts.h"

namespace sim {

namespace {

void Append(std::string& out, const PromptState& p) {
    if (!out.empty() && out.back() != ' ') out += ", ";
    out += "\"" + p.text + "\"";
    if (!p.enabled) out += " (greyed)";
}

} // namespace

std::string Prompts::describeScreen(uint64_t frame) const {
    std::string grouped, ambient;
    for (const auto& [handle, p] : all) {
        if (!onScreen(p, frame)) continue;
        Append(p.group == 0 ? ambient : grouped, p);
    }
    std::string out;
    if (!grouped.empty()) out = "group \"" + activeGroupTitle + "\": " + grouped;
    if (!ambient.empty()) out += (out.empty() ? "" : "; ") + ambient;
    return out.empty() ? "nothing" : out;
}

} // namespace sim
