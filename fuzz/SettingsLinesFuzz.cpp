// Any text as Settings.ini: reading never crashes, comment and header lines never become
// settings, and reading a setting as a switch throws only the standard conversion errors.
#include "core/data/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvale::SettingsMap settings;
    corvale::ReadSettingsText(text, settings);
    for (const auto& [key, value] : settings) {
        if (!key.empty()) {
            const char first = key.front();
            if (first == '/' || first == ';' || first == '[' || first == '\\') std::abort();
        }
        if (key.find('=') != std::string::npos || value.find('=') != std::string::npos)
            std::abort();
    }
    return 0;
}
