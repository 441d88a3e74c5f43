#include "core/data/DictDataFile.h"

#include "core/data/AtomicFile.h"
#include "core/data/LineGrammar.h"
#include "core/data/NumberText.h"
#include "core/data/TextFile.h"
#include "core/log/Log.h"

#include <charconv>
#include <cstdio>

namespace corvale {

namespace {
const std::string kEmpty;
// Room kept per loaded line for values that grow and keys added later.
constexpr size_t kRoomPerLine = 64;

bool Storable(std::string_view text) {
    return text.find_first_of("=\n") == std::string_view::npos;
}
} // namespace

bool BaseDataFile::load() {
    Log("loading data file: " + path_);
    std::string content;
    if (!ReadTextFile(path_.c_str(), content)) {
        Log("unable to load from data file, please make sure it exists.");
        return false;
    }
    Log("data file found: " + path_);
    // The counter includes the read that reaches the end (see LineReader).
    int lines = 0;
    LineReader reader(content);
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        const bool parsed = parseLine(line);
        ++lines;
        if (!parsed) {
            Log("'" + path_ + "' is corruped at line: " + std::to_string(lines - 1));
            return false;
        }
    }
    Log("'" + path_ + "' loaded, lines red: " + std::to_string(lines));
    return true;
}

bool BaseDataFile::save(bool force) {
    if (!dirty_ && !force) return true;
    Log("saving ", path_);
    if (!write()) {
        Log("save failed in file: ", path_);
        return false; // still dirty: the next autosave tries again
    }
    dirty_ = false;
    Log("file saved: ", path_);
    return true;
}

bool DictDataFile::parseLine(std::string_view line) {
    if (line.empty()) return true;
    std::string_view key, value;
    if (!SplitKeyValue(line, key, value)) {
        Log("cannot parse line: " + std::string(line) +
            ", please make sure it is assembled of the correct format "
            "(<setting_name>=<settings_value>).");
        return false;
    }
    entries_.insert_or_assign(std::string(key), std::string(value));
    // Room for the save text with its lines, and for a few more keys.
    saveRoom_ += line.size() + 1 + kRoomPerLine;
    saveText_.reserve(saveRoom_);
    return true;
}

std::string DictDataFile::text() const {
    std::string content;
    fillText(content);
    return content;
}

void DictDataFile::fillText(std::string& content) const {
    content.clear();
    for (const auto& [key, value] : entries_) {
        if (value.empty()) continue;
        content += key;
        content += '=';
        content += value;
        content += '\n';
    }
}

bool DictDataFile::write() {
    // The buffer keeps its room from save to save: an autosave's frame allocates nothing
    // once the file has been written or loaded at its size.
    fillText(saveText_);
    ReplaceFailure failure;
    if (ReplaceFileContents(path().c_str(), saveText_, &failure, files())) return true;
    if (failure == ReplaceFailure::CannotCreate)
        Log("unable to open file, please make sure it exists.");
    return false;
}

const std::string* DictDataFile::find(std::string_view key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

const std::string& DictDataFile::getString(std::string_view key) const {
    const std::string* value = find(key);
    return value ? *value : kEmpty;
}

int32_t DictDataFile::getInt(std::string_view key, int32_t fallback) const {
    const std::string* value = find(key);
    if (!value || value->empty()) return fallback;
    return ParseInt(value->c_str());
}

float DictDataFile::getFloat(std::string_view key, float fallback) const {
    const std::string* value = find(key);
    if (!value || value->empty()) return fallback;
    return ParseFloat(value->c_str());
}

bool DictDataFile::getBool(std::string_view key) const {
    const std::string* value = find(key);
    if (!value || value->empty()) return false;
    const int32_t number = ParseInt(value->c_str());
    return number != 0 && number != -999;
}

void DictDataFile::set(std::string_view key, std::string_view value) {
    // A line the file cannot hold would make the next load fail and lose the save.
    if (!Storable(key) || !Storable(value)) return;
    const auto it = entries_.find(key);
    if (value.empty()) {
        if (it == entries_.end()) return;
        entries_.erase(it);
        dirty_ = true;
        return;
    }
    if (it == entries_.end()) {
        entries_.emplace(std::string(key), std::string(value));
        dirty_ = true;
    } else if (it->second != value) {
        it->second.assign(value);
        dirty_ = true;
    }
}

void DictDataFile::setInt(std::string_view key, int32_t value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    set(key, std::string_view(text, static_cast<size_t>(result.ptr - text)));
}

void DictDataFile::setFloat(std::string_view key, float value) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    if (length <= 0 || static_cast<size_t>(length) >= sizeof text) return;
    set(key, std::string_view(text, static_cast<size_t>(length)));
}

void DictDataFile::setBool(std::string_view key, bool value) {
    set(key, value ? "1" : "0");
}

} // namespace corvale
