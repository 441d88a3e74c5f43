#pragma once
// The system's file operations with one step made to fail, as a full disk, a pulled drive or
// another program holding the save open would make it fail in a player's game.
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

  private:
    bool fails(FileStep step) {
        if (!armed_ || failing_ != step) return false;
        armed_ = false;
        return true;
    }

    FileStep failing_ = FileStep::Create;
    bool armed_ = false;
    std::string heldOpen_;
};

inline constexpr FileStep kEveryFileStep[] = {FileStep::Create,  FileStep::Write, FileStep::Flush,
                                              FileStep::Sync,    FileStep::Close, FileStep::Replace,
                                              FileStep::HeldOpen};

} // namespace corvale::testing
