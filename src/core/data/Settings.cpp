#include "core/data/Settings.h"

#include "core/data/LineGrammar.h"
#include "core/data/NumberText.h"
#include "core/data/TextFile.h"
#include "core/log/Log.h"

namespace corvale {

namespace {

const std::string kEmpty;

bool IsSkipped(std::string_view line) {
    if (line.empty()) return true;
    const char first = line.front();
    return first == '/' || first == ';' || first == '[' || first == '\\';
}

} // namespace

void Settings::load(const char* path, const SettingsMap& defaults) {
    values_ = defaults;
    defaults_ = defaults;
    badKeysLogged_.clear();
    std::string content;
    // Settings are never written: of a file that failed partway, the lines read still count.
    const TextRead read = ReadTextFile(path, content);
    if (read == TextRead::Missing || (read == TextRead::Unreadable && content.empty())) {
        Log("Unable to load from data file, please make sure it exists.");
        return;
    }
    Log(std::string("loading settings file: ") + path);
    ReadSettingsText(content, values_);
    Log("settings file loaded");
}

void ReadSettingsText(std::string_view text, SettingsMap& settings) {
    LineReader reader(text);
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        if (IsSkipped(line)) continue;
        std::string_view key, value;
        if (!SplitKeyValue(line, key, value)) {
            Log("cannot parse line: " + std::string(line) +
                ", please make sure it is assembled of the correct format "
                "(<setting_name>=<settings_value>).");
            continue;
        }
        settings.insert_or_assign(std::string(key), std::string(value));
    }
}

const std::string& Settings::getString(std::string_view key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? kEmpty : it->second;
}

bool Settings::getBool(std::string_view key) const {
    const std::string& value = getString(key);
    if (value.empty()) return false;
    int32_t number = 0;
    if (!TryParseInt(value.c_str(), number)) {
        // The switch keeps its built-in value, and the player is told once why.
        const auto builtIn = defaults_.find(key);
        if (builtIn == defaults_.end() || !TryParseInt(builtIn->second.c_str(), number)) number = 0;
        if (badKeysLogged_.find(key) == badKeysLogged_.end()) {
            badKeysLogged_.emplace(key);
            Log("Settings.ini: " + std::string(key) + " is not a number: " + LogExcerpt(value) +
                ", using " + std::to_string(number));
        }
    }
    return number != 0 && number != -1;
}

} // namespace corvale
