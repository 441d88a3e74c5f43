// Any bytes as a file of the "Corvale" folder, read as the plug-ins read them from the disk:
// with or without Notepad's byte-order mark, with any blanks and line lengths, and with the
// read refused or failing partway as a file held by another program or a failing drive
// makes it. Loading never throws; a file not read whole is never written over; a file read
// whole loads as its text without the mark and saves to a file that loads back the same.
#include "business/BusinessSave.h"
#include "core/data/DictDataFile.h"
#include "core/data/Settings.h"
#include "core/data/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kPath = "Corvale/Fuzz.dat";
constexpr std::string_view kMark = "\xEF\xBB\xBF";

enum class ReadFault { None, RefuseOpen, FailPartway };

// The system's reads, failing as the input asks.
class FaultyReads : public corvale::platform::FileOperations {
  public:
    ReadFault fault = ReadFault::None;
    size_t failAfter = 0;
    bool failed = false;

    std::FILE* open(const char* path, bool& missing) override {
        if (fault == ReadFault::RefuseOpen) {
            failed = true;
            missing = false;
            return nullptr;
        }
        left_ = failAfter;
        return FileOperations::open(path, missing);
    }
    bool read(std::FILE* file, char* buffer, size_t size, size_t& got) override {
        if (fault != ReadFault::FailPartway) return FileOperations::read(file, buffer, size, got);
        const bool ok = FileOperations::read(file, buffer, size < left_ ? size : left_, got);
        left_ -= got;
        if (got == 0 && left_ == 0 && ok && std::fgetc(file) != EOF) {
            failed = true; // the drive gives out before the end
            return false;
        }
        return ok;
    }

  private:
    size_t left_ = 0;
};

std::string FileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const char* path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void LookUpEverything(const corvale::DictDataFile& file) {
    for (const auto& [key, value] : file.entries()) {
        file.getInt(key, -999);
        file.getFloat(key, -999.0f);
        file.getBool(key);
        if (key.empty() || value.empty()) std::abort(); // nothing a save could write back
    }
}

void CheckDataFile(std::string_view bytes, bool marked, FaultyReads& files) {
    WriteText(kPath, bytes);
    corvale::DictDataFile file(kPath, files);
    const bool loaded = file.load();
    LookUpEverything(file);
    file.setInt("fuzz.written", 1);
    const bool saved = file.save(true);
    if (files.failed) {
        // Never written over: what the reader missed is still on the disk.
        if (loaded || file.writable() || saved || FileText(kPath) != bytes) std::abort();
        return;
    }
    if (!loaded) {
        // A bad line: the file is refused, and not written over either.
        if (saved || FileText(kPath) != bytes) std::abort();
        return;
    }
    if (!saved) std::abort();
    if (marked && bytes.substr(kMark.size(), kMark.size()) != kMark) {
        // The mark is nothing: the same entries as the text without it.
        corvale::DictDataFile plain("Corvale/Plain.dat");
        if (plain.readLines(bytes.substr(kMark.size())) >= 0) {
            plain.setInt("fuzz.written", 1);
            if (plain.entries() != file.entries()) std::abort();
        }
    }
    corvale::DictDataFile reloaded(kPath);
    if (!reloaded.load() || reloaded.entries() != file.entries()) std::abort();
}

void CheckStillSave(std::string_view bytes, FaultyReads& files) {
    WriteText(corvale::business::kBusinessSavePath, bytes);
    files.failed = false;
    const auto loaded =
        corvale::business::LoadBusinessSave(corvale::business::kBusinessSavePath, files);
    if (files.failed) {
        const auto& s = loaded.save;
        if (loaded.read != corvale::business::SaveRead::NotWhole || s.recipe != 0 ||
            s.mash != 0.0f || s.production != 0.0f || s.herbsInStill)
            std::abort(); // half a file is not trusted
    }
}

} // namespace

// A game folder of its own, removed when the run ends.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static char folder[] = "/tmp/corvale-fuzz-text-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0 || mkdir("Corvale", 0700) != 0) std::abort();
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return 0;
}

// Byte 0: bit 0 puts the mark in front, bits 1-2 choose the fault; bytes 1-2: where a read
// fails; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const bool marked = data[0] & 1;
    FaultyReads files;
    switch ((data[0] >> 1) & 3) {
    case 1:
        files.fault = ReadFault::RefuseOpen;
        break;
    case 2:
        files.fault = ReadFault::FailPartway;
        break;
    default:
        break;
    }
    files.failAfter = static_cast<size_t>(data[1]) | static_cast<size_t>(data[2]) << 8;
    std::string bytes = marked ? std::string(kMark) : std::string();
    bytes.append(reinterpret_cast<const char*>(data + 3), size - 3);

    CheckDataFile(bytes, marked, files);
    CheckStillSave(bytes, files);

    // Settings.ini: the mark is nothing there either.
    if (marked && bytes.substr(kMark.size(), kMark.size()) != kMark) {
        corvale::SettingsMap settings, plain;
        corvale::ReadSettingsText(bytes, settings);
        corvale::ReadSettingsText(bytes.substr(kMark.size()), plain);
        if (settings != plain) std::abort();
    }
    return 0;
}
