#pragma once
// Files the player may hold open in an editor or viewer while the game runs: every open
// lets other programs read and write the same file meanwhile.
#include <cstdio>

namespace corvale::platform {

// fopen with shared access; null when the file cannot be opened.
std::FILE* OpenShared(const char* path, const char* mode);

} // namespace corvale::platform
