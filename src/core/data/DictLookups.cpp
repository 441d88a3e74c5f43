// The typed look-ups of a dictionary data file. They run every frame on values a player or
// another program may have written anything into: a value no getter can use is logged once
// and stands back for the shipped value or the caller's default, and nothing ever throws.
#include "core/data/DictDataFile.h"

#include "core/data/NumberText.h"
#include "core/log/Log.h"

#include <cstdio>

namespace corvale {

namespace {

const std::string kEmpty;

std::string FloatText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

} // namespace

const std::string* DictDataFile::find(std::string_view key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

const std::string& DictDataFile::getString(std::string_view key) const {
    const std::string* value = find(key);
    return value ? *value : kEmpty;
}

void DictDataFile::reportBadValue(std::string_view key, const std::string& value,
                                  const std::string& used) const {
    badKeysLogged_.emplace(key);
    Log("'" + path() + "': " + std::string(key) +
        " is not a number that can be used: " + LogExcerpt(value) + ", using " + used);
}

int32_t DictDataFile::getInt(std::string_view key, int32_t fallback) const {
    const std::string* value = find(key);
    if (!value || value->empty()) return fallback;
    int32_t number = 0;
    if (TryParseInt(value->c_str(), number)) return number;
    const std::string* shipped = shipped_ ? shipped_->find(key) : nullptr;
    if (shipped) TryParseInt(shipped->c_str(), fallback);
    if (badKeysLogged_.find(key) == badKeysLogged_.end())
        reportBadValue(key, *value, std::to_string(fallback));
    return fallback;
}

float DictDataFile::getFloat(std::string_view key, float fallback) const {
    const std::string* value = find(key);
    if (!value || value->empty()) return fallback;
    float number = 0.0f;
    if (TryParseFloat(value->c_str(), number)) return number;
    const std::string* shipped = shipped_ ? shipped_->find(key) : nullptr;
    if (shipped) TryParseFloat(shipped->c_str(), fallback);
    if (badKeysLogged_.find(key) == badKeysLogged_.end())
        reportBadValue(key, *value, FloatText(fallback));
    return fallback;
}

bool DictDataFile::getBool(std::string_view key) const {
    const std::string* value = find(key);
    if (!value || value->empty()) return false;
    int32_t number = 0;
    if (!TryParseInt(value->c_str(), number)) {
        const std::string* shipped = shipped_ ? shipped_->find(key) : nullptr;
        if (!shipped || !TryParseInt(shipped->c_str(), number)) number = 0;
        if (badKeysLogged_.find(key) == badKeysLogged_.end())
            reportBadValue(key, *value, std::to_string(number));
    }
    return number != 0 && number != -999;
}

} // namespace corvale
