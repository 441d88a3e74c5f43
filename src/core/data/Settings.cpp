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
    std::string content;
    if (!ReadTextFile(path, content)) {
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
    const int32_t number = ParseInt(value.c_str());
    return number != 0 && number != -1;
}

} // namespace corvale
