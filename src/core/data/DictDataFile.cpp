#include "core/data/DictDataFile.h"

#include "core/data/AtomicFile.h"
#include "core/data/LineGrammar.h"
#include "core/data/TextFile.h"
#include "core/log/Log.h"

#include <charconv>
#include <cstdio>

namespace corvale {

namespace {
// Room kept per loaded line for values that grow and keys added later.
constexpr size_t kRoomPerLine = 64;
// A key and a value written during play: "last_completed_mission_type", "0.250000".
constexpr size_t kSpareKeyRoom = 48;
constexpr size_t kSpareValueRoom = 24;

bool Storable(std::string_view text) {
    return text.find_first_of("=\n") == std::string_view::npos && TrimBlanks(text) == text;
}
} // namespace

bool BaseDataFile::load() {
    Log("loading data file: " + path_);
    std::string content;
    const TextRead read = ReadTextFile(path_.c_str(), content, files_);
    // Held by another program or refused: it is there, and must not be written over.
    writable_ = read != TextRead::Unreadable;
    if (read == TextRead::Missing || (read == TextRead::Unreadable && content.empty())) {
        Log("unable to load from data file, please make sure it exists.");
        return false;
    }
    Log("data file found: " + path_);
    if (read == TextRead::Unreadable) {
        // Half a file taken for the whole would lose the other half at the next save.
        Log("'" + path_ + "' could not be read to its end, it is left as it is");
        return false;
    }
    const int lines = readLines(content);
    if (lines < 0) return false;
    Log("'" + path_ + "' loaded, lines red: " + std::to_string(lines));
    return true;
}

int BaseDataFile::readLines(std::string_view text) {
    // The counter includes the read that reaches the end (see LineReader).
    int lines = 0;
    LineReader reader(text);
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        lineIndex_ = lines;
        const bool parsed = parseLine(line);
        ++lines;
        if (parsed) continue;
        if (skipBadLines_) {
            logSkippedLine(line);
            continue;
        }
        Log("'" + path_ + "' is corruped at line: " + std::to_string(lines - 1));
        writable_ = false;
        return -1;
    }
    return lines;
}

void BaseDataFile::logSkippedLine(std::string_view line) const {
    Log("'" + path_ + "' skipped line " + std::to_string(lineIndex_) + ": " + LogExcerpt(line));
}

bool BaseDataFile::save(bool force) {
    if (!dirty_ && !force) return true;
    if (!writable_) {
        if (!refusalLogged_)
            Log("not saving '" + path_ + "': it was not read whole and is left as it is");
        refusalLogged_ = true;
        return false;
    }
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
    // Marks at the start of a line (files pasted together, even twice, or after a blank) are
    // read as nothing, as at the top: a key that began with one would come back from the save
    // without it.
    size_t before = 0;
    do {
        before = line.size();
        line = TrimBlanks(WithoutByteOrderMark(line));
    } while (line.size() != before);
    if (line.empty()) return true;
    std::string_view key, value;
    if (!SplitKeyValue(line, key, value)) {
        Log("cannot parse line: " + LogExcerpt(line) +
            ", please make sure it is assembled of the correct format "
            "(<setting_name>=<settings_value>).");
        return false;
    }
    key = TrimBlanks(key);
    value = TrimBlanks(value);
    // Nothing a look-up could find, nor a line a save could write back.
    if (key.empty() || value.empty()) {
        logSkippedLine(line);
        return true;
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

void DictDataFile::set(std::string_view key, std::string_view value) {
    // A line the file cannot hold would make the next load fail and lose the save.
    if (key.empty() || !Storable(key) || !Storable(value)) return;
    const auto it = entries_.find(key);
    if (value.empty()) {
        if (it == entries_.end()) return;
        entries_.erase(it);
        dirty_ = true;
        return;
    }
    if (it == entries_.end()) {
        insertNew(key, value);
        dirty_ = true;
    } else if (it->second != value) {
        it->second.assign(value);
        dirty_ = true;
    }
}

void DictDataFile::insertNew(std::string_view key, std::string_view value) {
    if (spareEntries_.empty()) {
        entries_.emplace(std::string(key), std::string(value));
        return;
    }
    Entries::node_type entry = std::move(spareEntries_.back());
    spareEntries_.pop_back();
    entry.key().assign(key);
    entry.mapped().assign(value);
    entries_.insert(std::move(entry));
}

void DictDataFile::keepRoomForNewKeys(size_t keys) {
    spareEntries_.reserve(spareEntries_.size() + keys);
    for (size_t i = 0; i < keys; ++i) {
        Entries scratch;
        Entries::node_type entry = scratch.extract(scratch.emplace().first);
        entry.key().reserve(kSpareKeyRoom);
        entry.mapped().reserve(kSpareValueRoom);
        spareEntries_.push_back(std::move(entry));
    }
    saveRoom_ += keys * (kSpareKeyRoom + 1 + kSpareValueRoom + 1);
    saveText_.reserve(saveRoom_);
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
