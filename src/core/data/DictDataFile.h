#pragma once
// Dictionary data files of the "Corvale" folder: "key=value" lines loaded once at start-up,
// typed look-ups with caller defaults every frame, and a save when something changed.
#include "core/platform/FileOperations.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

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

    // Reads every line into the object; false when the file is missing or a line is bad
    // (the lines before it stay read).
    virtual bool load();
    // Writes when dirty or forced; false only when a write was tried and failed.
    virtual bool save(bool force);
    virtual bool isDirty() const { return dirty_; }
    // One line of the file, without its line feed; false when it is not understood.
    virtual bool parseLine(std::string_view line) = 0;
    // Writes the whole file; false when it could not be written.
    virtual bool write() = 0;
    virtual ~BaseDataFile() = default;

    const std::string& path() const { return path_; }

  protected:
    platform::FileOperations& files() const { return files_; }

    bool dirty_ = false;

  private:
    std::string path_;
    platform::FileOperations& files_;
};

class DictDataFile final : public BaseDataFile {
  public:
    // Keys in plain byte order; look-ups take any text without building a string.
    using Entries = std::map<std::string, std::string, std::less<>>;

    using BaseDataFile::BaseDataFile;

    bool parseLine(std::string_view line) override;
    bool write() override;

    // The file content as write saves it: one "key=value" line per entry in key order.
    // An entry with an empty value reads like an absent one and is left out, since its
    // line ("k=") would not load again.
    std::string text() const;

    // Look-ups: a map search plus a conversion, no file access and no allocation.
    // The stored value, or an empty text; valid until the key is next changed.
    const std::string& getString(std::string_view key) const;
    // Empty or absent: the default. Otherwise converted; text that is no number throws
    // (see NumberText.h).
    int32_t getInt(std::string_view key, int32_t fallback) const;
    float getFloat(std::string_view key, float fallback) const;
    // False when empty or absent; otherwise true unless the number is 0 or -999.
    bool getBool(std::string_view key) const;

    // An empty value removes the key. Marks the file dirty only when something changed.
    // A key or value holding "=" or a line break cannot be saved and is refused.
    void set(std::string_view key, std::string_view value);
    void setInt(std::string_view key, int32_t value);
    void setFloat(std::string_view key, float value); // six decimals: 0.25 -> "0.250000"
    void setBool(std::string_view key, bool value);

    const Entries& entries() const { return entries_; }

  private:
    const std::string* find(std::string_view key) const;
    void fillText(std::string& content) const;

    Entries entries_;
    std::string saveText_; // write's buffer, kept between saves
    size_t saveRoom_ = 0;  // what the loaded lines asked of it
};

} // namespace corvale
