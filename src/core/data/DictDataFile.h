#pragma once
// Dictionary data files of the "Corvale" folder: "key=value" lines loaded once at start-up,
// typed look-ups with caller defaults every frame, and a save when something changed.
#include "core/platform/FileOperations.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corvale {

// File-level mechanics: path, line loop, dirty flag, save protocol and their log lines.
class BaseDataFile {
  public:
    // Saves go through files, the system's unless a test makes them fail.
    explicit BaseDataFile(std::string path,
                          platform::FileOperations& files = platform::SystemFiles())
        : path_(std::move(path)), files_(files) {}
    BaseDataFile(const BaseDataFile&) = delete;
    BaseDataFile& operator=(const BaseDataFile&) = delete;

    // Reads every line into the object; false when the file is missing, could not be read
    // whole or a line is bad (the lines before it stay read). A file that exists but was not
    // read whole is never written over afterwards: what the reader missed stays on the disk.
    virtual bool load();
    // Writes when dirty or forced; false only when a write was tried and failed, or refused
    // for a file that was not read whole.
    virtual bool save(bool force);
    virtual bool isDirty() const { return dirty_; }
    // One line of the file, without its line feed; false when it is not understood.
    virtual bool parseLine(std::string_view line) = 0;
    // Writes the whole file; false when it could not be written.
    virtual bool write() = 0;
    virtual ~BaseDataFile() = default;

    const std::string& path() const { return path_; }

    // The line loop of load over text already read: the number of lines read, counting the
    // read that reaches the end, or -1 at a bad line (logged with its index).
    int readLines(std::string_view text);

    // A file whose lines are each worth keeping on their own (the tutorials seen): a bad
    // line is logged and skipped, and the lines after it are still read.
    void skipBadLines() { skipBadLines_ = true; }
    // False once a load found the file but could not read all of it.
    bool writable() const { return writable_; }

  protected:
    platform::FileOperations& files() const { return files_; }
    // One log line naming a line that load passes over without storing it.
    void logSkippedLine(std::string_view line) const;

    bool dirty_ = false;

  private:
    std::string path_;
    platform::FileOperations& files_;
    bool skipBadLines_ = false;
    bool writable_ = true;
    bool refusalLogged_ = false;
    int lineIndex_ = 0; // of the line being parsed, for the log
};

class DictDataFile final : public BaseDataFile {
  public:
    // Keys in plain byte order; look-ups take any text without building a string.
    using Entries = std::map<std::string, std::string, std::less<>>;

    using BaseDataFile::BaseDataFile;

    // Blanks around a key or a value are no part of it; a line of blanks is an empty line.
    // A line whose key or value is empty is logged and skipped.
    bool parseLine(std::string_view line) override;
    bool write() override;

    // The file content as write saves it: one "key=value" line per entry in key order.
    // An entry with an empty value reads like an absent one and is left out, since its
    // line ("k=") would not load again.
    std::string text() const;

    // Look-ups: a map search plus a conversion, no file access and no allocation.
    // The stored value, or an empty text; valid until the key is next changed.
    const std::string& getString(std::string_view key) const;
    // Empty or absent: the default. Otherwise converted (leading blanks and a sign allowed,
    // trailing text ignored). Text that is no number, a number out of range or a float that
    // is not finite gives the shipped file's value of that key when there is one, else the
    // default, with one log line per key for the whole game run: nothing ever throws.
    int32_t getInt(std::string_view key, int32_t fallback) const;
    float getFloat(std::string_view key, float fallback) const;
    // False when empty or absent; otherwise true unless the number is 0 or -999. Text that
    // is no number reads as the shipped value, else false, logged as above.
    bool getBool(std::string_view key) const;

    // The file as shipped, whose values stand in for values the player's file has broken.
    void setShipped(const DictDataFile* shipped) { shipped_ = shipped; }

    // An empty value removes the key. Marks the file dirty only when something changed.
    // A key or value holding "=" or a line break, or with blanks around it, cannot be saved
    // as it is and is refused.
    void set(std::string_view key, std::string_view value);
    void setInt(std::string_view key, int32_t value);
    void setFloat(std::string_view key, float value); // six decimals: 0.25 -> "0.250000"
    void setBool(std::string_view key, bool value);

    const Entries& entries() const { return entries_; }

    // A file the game writes new keys into during play (a tutorial seen for the first time,
    // a mission's first pass) makes room for that many up front: the first write of a key
    // then allocates nothing, and neither does the save after it.
    void keepRoomForNewKeys(size_t keys);

  private:
    void insertNew(std::string_view key, std::string_view value);
    const std::string* find(std::string_view key) const;
    void fillText(std::string& content) const;
    // Logs a value no getter can use; called once per key.
    void reportBadValue(std::string_view key, const std::string& value,
                        const std::string& used) const;

    Entries entries_;
    std::string saveText_; // write's buffer, kept between saves
    size_t saveRoom_ = 0;  // what the loaded lines asked of it
    const DictDataFile* shipped_ = nullptr;
    std::vector<Entries::node_type> spareEntries_; // emptied entries with room reserved
    mutable std::set<std::string, std::less<>> badKeysLogged_;
};

} // namespace corvale
