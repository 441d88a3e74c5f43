// corvale-sim.exe: loads the simulator, which is the host DLL ScriptHookRDR2.dll beside it,
// and hands it the command line. The plug-ins it loads then find the host already mapped, as
// they find the script host in the game's process.
#include <cstdio>
#include <string>
#include <windows.h>

int main(int argc, char** argv) {
    wchar_t exe[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dir(exe, n);
    dir = dir.substr(0, dir.find_last_of(L"\\/") + 1);
    HMODULE host = LoadLibraryW((dir + L"ScriptHookRDR2.dll").c_str());
    if (!host) {
        std::fprintf(stderr, "error: cannot load ScriptHookRDR2.dll beside corvale-sim.exe: error %lu\n",
                     GetLastError());
        return 2;
    }
    const auto run = reinterpret_cast<int (*)(int, char**)>(
        reinterpret_cast<void*>(GetProcAddress(host, "CorvaleSimRun")));
    if (!run) {
        std::fprintf(stderr, "error: ScriptHookRDR2.dll is not the simulator\n");
        return 2;
    }
    const int code = run(argc, argv);
    std::fflush(nullptr);
    return code;
}
