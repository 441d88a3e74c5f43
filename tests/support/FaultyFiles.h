#pragma once
// The system's file operations with one step made to fail, as a full disk, a pulled drive or
// another program holding the save open would make it fail in a player's game. Reads can be
// made to fail too: a file another program holds without sharing it, or a read that fails
// partway through the file.
#include "core/platform/FileOperations.h"

#include <filesystem>
#include <string>

namespace corvale::testing {

enum class FileStep { Create, Write, Flush, Sync, Close, Replace, HeldOpen };

inline const char* FileStepName(FileStep step) {
    switch (step) {
    case FileStep::Create:
        return "Create";
    case FileStep::Write:
        return "Write";
    case FileStep::Flush:
        return "Flush";
    case FileStep::Sync:
        return "Sync";
    case FileStep::Close:
        return "Close";
    case FileStep::Replace:
        return "Replace";
    case FileStep::HeldOpen:
        return "HeldOpen";
    }
    return "?";
}

class FaultyFiles : public platform::FileOperations {
  public:
    // The next time step comes, it fails; the steps after it and later saves work. HeldOpen
    // instead keeps path held open by another program until release().
    void failNext(FileStep step, std::string path = {}) {
        if (step == FileStep::HeldOpen) {
            heldOpen_ = std::move(path);
            return;
        }
        failing_ = step;
        armed_ = true;
    }
    void release() { heldOpen_.clear(); }
    // Reads of path: refused at the open as a file held by another program is, or failing
    // after the first bytes of the file, until readsWork().
    void refuseOpen(std::string path) { refusedOpen_ = std::move(path); }
    void failReadAfter(std::string path, size_t bytes) {
        failingRead_ = std::move(path);
        readBytes_ = bytes;
    }
    void readsWork() {
        refusedOpen_.clear();
        failingRead_.clear();
    }
    bool armed() const { return armed_; }

    std::FILE* create(const char* path) override {
        return fails(FileStep::Create) ? nullptr : FileOperations::create(path);
    }
    // The disk fills up half-way: the first half of the content is on the disk.
    bool write(std::FILE* file, const char* data, size_t size) override {
        if (!fails(FileStep::Write)) return FileOperations::write(file, data, size);
        FileOperations::write(file, data, size / 2);
        std::fflush(file);
        return false;
    }
    bool flush(std::FILE* file) override {
        return !fails(FileStep::Flush) && FileOperations::flush(file);
    }
    bool sync(std::FILE* file) override {
        return !fails(FileStep::Sync) && FileOperations::sync(file);
    }
    // The handle is given back whatever the answer, as fclose does.
    bool close(std::FILE* file) override {
        const bool closed = FileOperations::close(file);
        return !fails(FileStep::Close) && closed;
    }
    // Windows refuses to replace a file that another program holds open.
    bool replace(const char* from, const char* to) override {
        if (fails(FileStep::Replace)) return false;
        if (!heldOpen_.empty() && heldOpen_ == to && std::filesystem::exists(to)) return false;
        return FileOperations::replace(from, to);
    }

    std::FILE* open(const char* path, bool& missing) override {
        if (refusedOpen_ == path && std::filesystem::exists(path)) {
            missing = false;
            return nullptr;
        }
        std::FILE* file = FileOperations::open(path, missing);
        if (file && failingRead_ == path) partial_ = file;
        return file;
    }
    // The first bytes come, then the drive gives out.
    bool read(std::FILE* file, char* buffer, size_t size, size_t& got) override {
        if (file != partial_) return FileOperations::read(file, buffer, size, got);
        got = std::fread(buffer, 1, size < readBytes_ ? size : readBytes_, file);
        partial_ = nullptr;
        return false;
    }

  private:
    bool fails(FileStep step) {
        if (!armed_ || failing_ != step) return false;
        armed_ = false;
        return true;
    }

    FileStep failing_ = FileStep::Create;
    bool armed_ = false;
    std::string heldOpen_;
    std::string refusedOpen_;
    std::string failingRead_;
    size_t readBytes_ = 0;
    std::FILE* partial_ = nullptr;
};

inline constexpr FileStep kEveryFileStep[] = {FileStep::Create,  FileStep::Write, FileStep::Flush,
                                              FileStep::Sync,    FileStep::Close, FileStep::Replace,
                                              FileStep::HeldOpen};

} // namespace corvale::testing
