#pragma once
// "Corvale/Settings.ini": the player's developer and presentation switches, read once at
// start-up over built-in defaults.
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace corvale {

using SettingsMap = std::map<std::string, std::string, std::less<>>;

// The switches of one plug-in, held by its GameData.
class Settings {
  public:
    // Replaces the settings by the defaults, then reads the file over them. Lines starting
    // with "/", ";", "[" or a backslash are comments or section headers; a bad line is
    // logged and skipped. A missing file leaves the defaults.
    void load(const char* path, const SettingsMap& defaults);

    // The value, or an empty text; a map search, no allocation.
    const std::string& getString(std::string_view key) const;
    // False when empty or absent; otherwise true unless the number is 0 or -1. Text that
    // is no number throws "invalid stoi argument" (see NumberText.h).
    bool getBool(std::string_view key) const;

  private:
    SettingsMap values_;
};

// The line loop of Settings::load over text already read: stores each good line in settings.
void ReadSettingsText(std::string_view text, SettingsMap& settings);

} // namespace corvale
