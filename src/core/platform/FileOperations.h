#pragma once
// The file steps of a save and of a read, one call each, so a test can make any of them fail
// the way a full disk, a pulled drive or a program holding the file open would. The default
// implementation is the system's.
#include <cstddef>
#include <cstdio>

namespace corvale::platform {

class FileOperations {
  public:
    virtual ~FileOperations() = default;
    // Opens a new or truncated text file for writing, shared with other programs; null when
    // it cannot be created.
    virtual std::FILE* create(const char* path);
    virtual bool write(std::FILE* file, const char* data, size_t size);
    // Hands the C library's buffer to the system.
    virtual bool flush(std::FILE* file);
    // Asks the system to put the file on the disk before returning.
    virtual bool sync(std::FILE* file);
    virtual bool close(std::FILE* file);
    // Moves from over to in one step. On Windows this is refused while another program holds
    // the target open without sharing its deletion.
    virtual bool replace(const char* from, const char* to);
    virtual void remove(const char* path);

    // Opens a text file for reading, shared with other programs; null when it cannot be
    // opened, with missing set when there is no such file (rather than one held or refused).
    virtual std::FILE* open(const char* path, bool& missing);
    // Reads up to size bytes into buffer, got the count (0 at the end); false on a read error.
    virtual bool read(std::FILE* file, char* buffer, size_t size, size_t& got);
};

// The system's file operations; they hold no state.
FileOperations& SystemFiles();

} // namespace corvale::platform
