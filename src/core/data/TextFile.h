#pragma once
// Reading the small text files of the "Corvale" folder: the whole file at once, then line
// by line the way repeated reads up to a line feed see it.
#include "core/platform/FileOperations.h"

#include <string>
#include <string_view>

namespace corvale {

enum class TextRead {
    Whole,     // every byte of the file was read
    Missing,   // there is no such file
    Unreadable // it exists but could not be opened (held, refused), or a read failed partway
};

// Reads the file's bytes as they are (binary mode: a Windows build reads what a Linux build
// reads) with shared access. Only a Whole read may be written back over:
// out then holds what the file held, otherwise whatever was read before the failure.
TextRead ReadTextFile(const char* path, std::string& out,
                      platform::FileOperations& files = platform::SystemFiles());

// The text without the UTF-8 byte-order mark that Notepad puts at the start of a file.
std::string_view WithoutByteOrderMark(std::string_view text);

// The end is noticed only by the read that reaches it, so a text ending with a line feed
// yields a last, empty line, and an empty text yields one empty line. A byte-order mark at
// the start of the text is not part of its first line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(WithoutByteOrderMark(text)) {}

    bool atEnd() const { return atEnd_; }
    // The next line without its line feed (nor the carriage return of a "\r\n" line end);
    // call only while !atEnd().
    std::string_view next();

  private:
    std::string_view rest_;
    bool atEnd_ = false;
};

} // namespace corvale
