// The rules about the saves: every save file loads back whole after every write, and a
// restarted game keeps the camp, the herbs and the batch as saved.
#include "FileWrites.h"
#include "Hash.h"
#include "Simulator.h"
#include "chaos/Places.h"
#include "chaos/Rules.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sim::chaos {

namespace {

constexpr int32_t kKeptCheckMs = 10000; // a restarted game has loaded its saves by then
// unless its start-up first waited out its limit for blip textures that never load
constexpr int32_t kBlipTexturesWaitMs = 10000;

const char* const kCampSave = "Corvale/Savegame.dat";
const char* const kBatchSave = "Corvale/Savegame2.dat";
const char* const kCampKeys[] = {"operation.location", "operation.herbs_pending",
                                 "operation.herbs.1", "operation.herbs.2", "operation.herbs.3"};

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Trim(std::string s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.back()))
        s.pop_back();
    size_t i = 0;
    while (i < s.size() && blank(s[i]))
        ++i;
    return s.substr(i);
}

// key=value lines, as the plug-ins write their dictionaries: "" when whole, else why not.
std::string DictionaryFault(const std::string& text, std::map<std::string, std::string>* keys) {
    if (!text.empty() && text.back() != '\n') return "its last line is cut off";
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        line = Trim(line);
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos || Trim(line.substr(0, eq)).empty() ||
            Trim(line.substr(eq + 1)).empty())
            return "line " + std::to_string(n) + " is not key=value: " + line;
        if (keys) (*keys)[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
    return "";
}

// The still's one line of five numbers.
std::string BatchFault(const std::string& text, std::vector<double>* values) {
    const char* p = text.c_str();
    for (int i = 0; i < 5; ++i) {
        char* end = nullptr;
        const double v = std::strtod(p, &end);
        if (end == p || !std::isfinite(v)) return "holds fewer than five numbers: " + text;
        if (values) values->push_back(v);
        p = end;
    }
    for (; *p; ++p)
        if (*p != ' ' && *p != '\n' && *p != '\r') return "has more than five numbers: " + text;
    return "";
}

} // namespace

void Rules::watchSaves() {
    for (const char* f : {kCampSave, kBatchSave, "Corvale/TutorialFlags.dat"})
        saves_.push_back(WatchedFile{gameDir_ + "/" + f});
    for (WatchedFile& f : saves_) { // as shipped: not a write of the plug-ins
        changed(f);
        f.writes = FileReplacedCount(f.path.c_str());
    }
}

bool Rules::changed(WatchedFile& f) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(f.path, error);
    const bool exists = !error;
    const int64_t mtime = exists ? int64_t(written.time_since_epoch().count()) : 0;
    const int64_t size = exists ? static_cast<int64_t>(std::filesystem::file_size(f.path, error)) : -1;
    const bool different = exists != f.existed || mtime != f.mtimeNs || size != f.size;
    f.existed = exists;
    f.mtimeNs = mtime;
    f.size = size;
    return different;
}

// A write is told by the simulator's count of saves put in place, not by the file's time
// and size: a save written again in the same tick of the file clock with as many bytes is a
// write too, and the first one after a restart is the one that shows what was loaded.
void Rules::checkSaves() {
    const bool look = sim_.world().frame % kFileLookFrames == 0;
    for (WatchedFile& f : saves_) {
        const uint64_t writes = FileReplacedCount(f.path.c_str());
        const bool written = writes != f.writes;
        f.writes = writes;
        if (!written && !look) continue;
        const bool existed = f.existed;
        changed(f);
        const std::string name = f.path.substr(gameDir_.size() + 1);
        if (!f.existed) {
            if (existed) broken("save-whole", name + " is gone");
            continue;
        }
        if (!written) continue;
        const std::string text = Read(f.path);
        const bool batch = name == kBatchSave;
        std::map<std::string, std::string> keys;
        std::vector<double> values;
        const std::string fault = batch ? BatchFault(text, &values) : DictionaryFault(text, &keys);
        if (!fault.empty()) {
            broken("save-whole", name + " does not load back whole: " + fault);
            continue;
        }
        if (!kept_.armed) continue;
        if (batch && !kept_.batchChecked) {
            kept_.batchChecked = true;
            std::vector<double> saved;
            if (!kept_.batch.empty() && BatchFault(kept_.batch, &saved).empty() && saved != values)
                broken("restart-kept", "the batch saved as \"" + Trim(kept_.batch) +
                                           "\" came back after the restart as \"" + Trim(text) +
                                           "\"");
        }
        if (name == kCampSave)
            for (const char* key : kCampKeys) {
                auto was = kept_.camp.find(key);
                auto now = keys.find(key);
                const std::string before = was == kept_.camp.end() ? "" : was->second;
                const std::string after = now == keys.end() ? "" : now->second;
                // A move the restarted game heard of may name the new place, or be refused.
                const bool moved = !kept_.movedTo.empty() &&
                                   std::strcmp(key, "operation.location") == 0 &&
                                   after == kept_.movedTo;
                if (before != after && !moved)
                    broken("restart-kept", std::string(key) + " saved as \"" + before +
                                               "\" was written as \"" + after +
                                               "\" right after the restart");
            }
    }
}

void Rules::beforeRestart() {
    kept_ = Kept{};
    kept_.armed = true;
    kept_.at = sim_.world().gameTimer;
    const std::string camp = Read(gameDir_ + "/" + kCampSave);
    std::map<std::string, std::string> keys;
    if (DictionaryFault(camp, &keys).empty())
        for (const char* key : kCampKeys)
            if (keys.count(key)) kept_.camp[key] = keys[key];
    kept_.batch = Read(gameDir_ + "/" + kBatchSave);
}

void Rules::checkKept() {
    const World& w = sim_.world();
    static const uint32_t blipTextures = GameHash("blips_mp");
    const int32_t allowed =
        kKeptCheckMs + (w.streaming.never.count(blipTextures) ? kBlipTexturesWaitMs : 0);
    if (!kept_.armed || w.gameTimer - kept_.at < allowed) return;
    kept_.armed = false;
    auto location = kept_.camp.find("operation.location");
    if (location == kept_.camp.end()) return;
    const CampPlace* place = nullptr;
    const CampPlace* moved = nullptr;
    for (const CampPlace& p : CampPlaces()) {
        if (std::to_string(p.id) == location->second) place = &p;
        if (std::to_string(p.id) == kept_.movedTo) moved = &p;
    }
    if (!place) return;
    // The camp's blip shows where the restarted game's camp is, or where it was moved since.
    for (const auto& [handle, b] : w.blips.all)
        for (const CampPlace* at : {place, moved})
            if (at && b.name == "Moonshine Camp" &&
                std::hypot(b.point.x - at->position.x, b.point.y - at->position.y) <= 60)
                return;
    broken("restart-kept", "the camp saved at " + location->second + " " + Where(place->position) +
                               " shows no camp blip there " + std::to_string(allowed / 1000) +
                               " s after the restart");
}

} // namespace sim::chaos
