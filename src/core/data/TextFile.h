#pragma once
// Reading the small text files of the "Corvale" folder: the whole file at once, then line
// by line the way repeated reads up to a line feed see it.
#include <string>
#include <string_view>

namespace corvale {

// Reads the file in text mode with shared access; false when it cannot be opened.
bool ReadTextFile(const char* path, std::string& out);

// The end is noticed only by the read that reaches it, so a text ending with a line feed
// yields a last, empty line, and an empty text yields one empty line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool atEnd() const { return atEnd_; }
    // The next line without its line feed; call only while !atEnd().
    std::string_view next();

  private:
    std::string_view rest_;
    bool atEnd_ = false;
};

} // namespace corvale
