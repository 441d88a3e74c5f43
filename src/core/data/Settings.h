#pragma once
// "Corvale/Settings.ini": the player's developer and presentation switches, read once at
// start-up over built-in defaults.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace corvale {

using SettingsMap = std::map<std::string, std::string, std::less<>>;

// The switches of one plug-in, held by its GameData.
class Settings {
  public:
    // Replaces the settings by the defaults, then reads the file over them. Lines starting
    // with "/", ";", "[" or a backslash are comments or section headers; a bad line is
    // logged and skipped; a byte-order mark at the start is not part of the first line. A
    // missing file leaves the defaults.
    void load(const char* path, const SettingsMap& defaults);

    // The value, or an empty text; a map search, no allocation.
    const std::string& getString(std::string_view key) const;
    // False when empty or absent; otherwise true unless the number is 0 or -1. Text that
    // is no number ("yes", "true") reads as the built-in value, with one log line per key
    // for the whole game run; nothing throws.
    bool getBool(std::string_view key) const;

  private:
    SettingsMap values_;
    SettingsMap defaults_;
    mutable std::set<std::string, std::less<>> badKeysLogged_;
};

// The line loop of Settings::load over text already read: stores each good line in settings.
void ReadSettingsText(std::string_view text, SettingsMap& settings);

} // namespace corvale
