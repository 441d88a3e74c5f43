#include "windows/ImportHooks.h"

#include "FileWrites.h"
#include "Figures.h"
#include "Simulator.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace sim {

namespace {

Simulator& Current() {
    Simulator* s = Simulator::current();
    if (!s) std::abort();
    return *s;
}

DWORD WINAPI HookGetTickCount() {
    return Current().tickCount();
}

__time64_t HookTime64(__time64_t* out) {
    const __time64_t now = Current().calendarTime();
    if (out) *out = now;
    return now;
}

std::tm* HookLocaltime64(const __time64_t* calendar) {
    static std::tm local;
    if (!calendar) return nullptr;
    Current().localTime(*calendar, &local);
    return &local;
}

void HookSrand(unsigned seed) {
    Current().seedRandom(seed);
}

int HookRand() {
    return Current().random();
}

void* HookMalloc(size_t size) {
    CountPluginAllocation();
    return std::malloc(size);
}

void* HookCalloc(size_t count, size_t size) {
    CountPluginAllocation();
    return std::calloc(count, size);
}

void* HookRealloc(void* p, size_t size) {
    CountPluginAllocation();
    return std::realloc(p, size);
}

// A save put over the old one: counted for the rules (see FileWrites.h).
BOOL WINAPI HookMoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
    const BOOL moved = MoveFileExW(from, to, flags);
    char path[MAX_PATH * 3];
    if (moved && to &&
        WideCharToMultiByte(CP_UTF8, 0, to, -1, path, sizeof path, nullptr, nullptr) > 0)
        CountFileReplaced(path);
    return moved;
}

struct Hook {
    const char* dll;
    const char* name;
    void* replacement;
    bool required; // every plug-in build imports it
};

const Hook kHooks[] = {
    {"kernel32.dll", "GetTickCount", reinterpret_cast<void*>(&HookGetTickCount), false},
    {"kernel32.dll", "MoveFileExW", reinterpret_cast<void*>(&HookMoveFileExW), true},
    {"msvcrt.dll", "_time64", reinterpret_cast<void*>(&HookTime64), false},
    {"msvcrt.dll", "_localtime64", reinterpret_cast<void*>(&HookLocaltime64), false},
    {"msvcrt.dll", "srand", reinterpret_cast<void*>(&HookSrand), false},
    {"msvcrt.dll", "rand", reinterpret_cast<void*>(&HookRand), false},
    {"msvcrt.dll", "malloc", reinterpret_cast<void*>(&HookMalloc), true},
    {"msvcrt.dll", "calloc", reinterpret_cast<void*>(&HookCalloc), false},
    {"msvcrt.dll", "realloc", reinterpret_cast<void*>(&HookRealloc), false},
};

void Point(void** slot, void* target) {
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = target;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

} // namespace

std::string HookPluginImports(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    bool pointed[sizeof kHooks / sizeof kHooks[0]] = {};
    if (dir.VirtualAddress) {
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
             d->Name; ++d) {
            const char* dll = reinterpret_cast<const char*>(base + d->Name);
            if (!d->OriginalFirstThunk) continue;
            auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                const char* name = reinterpret_cast<const char*>(byName->Name);
                for (size_t i = 0; i < sizeof kHooks / sizeof kHooks[0]; ++i) {
                    if (_stricmp(dll, kHooks[i].dll) != 0 || std::strcmp(name, kHooks[i].name) != 0)
                        continue;
                    Point(reinterpret_cast<void**>(&slots->u1.Function), kHooks[i].replacement);
                    pointed[i] = true;
                }
            }
        }
    }
    std::string missed;
    for (size_t i = 0; i < sizeof kHooks / sizeof kHooks[0]; ++i)
        if (kHooks[i].required && !pointed[i])
            missed += std::string(missed.empty() ? "does not import " : ", ") + kHooks[i].name;
    return missed;
}

} // namespace sim
