#pragma once
// Saving without ever leaving a half-written file: the new content goes to a temporary file
// beside the target, is flushed to the disk, and then replaces the target in one step. If
// the game dies or the disk fills up mid-save, the previous save is still whole.
#include "core/platform/FileOperations.h"

#include <string_view>

namespace corvale {

enum class ReplaceFailure {
    None,
    CannotCreate,  // the temporary file could not be created
    CannotWrite,   // writing, flushing, syncing or closing the temporary file failed
    ReplaceRefused // the target could not be replaced (held open by another program, ...)
};

// Writes content in text mode to path + ".tmp" and moves it over path. On any failure the
// temporary file is removed, the target is left as it was and the reason is stored in
// *failure when given.
bool ReplaceFileContents(const char* path, std::string_view content,
                         ReplaceFailure* failure = nullptr,
                         platform::FileOperations& files = platform::SystemFiles());

} // namespace corvale
