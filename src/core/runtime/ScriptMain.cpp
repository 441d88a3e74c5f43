#include "core/runtime/ScriptMain.h"

#include "core/data/GameData.h"
#include "core/input/KeyStateTable.h"
#include "core/log/Log.h"
#include "core/natives/GameClock.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/TextureDictionaries.h"
#include "core/runtime/DeveloperTools.h"
#include "core/runtime/Session.h"
#include "core/runtime/ThrowImpactSampler.h"
#include "core/timers/Elapsed.h"
#include "core/timers/NamedTimers.h"

#include <exception>
#include <string>

namespace corvale {

namespace {

constexpr uint32_t kKeyF2 = 113;
constexpr int32_t kDefaultAutosaveSeconds = 30;
// The map's sprites only dress the toasts: a game that never lends them keeps its camp.
constexpr int32_t kBlipsWaitLimitMs = 10000;

const char* const kBanner = "\nCorvale Camp - BETA 0.1.0 \n"
                            "if you want to report an issue, please attach this file's contents.\n"
                            "==========================================================="
                            "================";

// Contains what a frame's work threw: the player is told, the log keeps the reason, and
// the game goes on with the next step outside the guarded work.
void ContainException(Session& session) {
    Log("Something wrong happened");
    try {
        throw;
    } catch (const std::exception& e) {
        const std::string message =
            std::string("Fatal: ") + e.what() + ", check the logs for more info.";
        Log(message);
        session.showMessage(message.c_str());
    } catch (...) {
        Log("No exception captured.");
    }
}

void Autosave(NamedTimers& timers, const GameData& data) {
    GameTimer& timer = timers.timerFor("autosave");
    const int32_t period =
        data.generalMetaFile()->getInt("auto_save_frequency_seconds", kDefaultAutosaveSeconds);
    if (timer.elapsedSeconds() < period) return;
    DictDataFile* save = data.savegameFile();
    if (save->isDirty()) {
        Log("Autosaving...");
        save->save(false);
    }
    timer.reset();
}

// The throw is sampled before the plug-in's frame, whose guards hear it; the save is
// written after it, with what the frame changed.
void GuardedWork(Session& session) {
    session.throwSampler().sample(PlayerPed());
    session.runFrame();
    Autosave(session.timers(), session.data());
}

void DeveloperKeys(Session& session) {
    if (session.debugTools().on()) RunDebugToolsFrame(session);
    if (session.data().settings().getBool("DevTools") && TakeKeyRelease(kKeyF2))
        ToggleDebugTools(session);
}

void WaitForBlipTextures() {
    Log("loading blips_mp texture dict");
    SetScriptTimerA(0);
    RequestTextureDict("blips_mp");
    const int32_t start = GameTimerMs();
    while (!TextureDictLoaded("blips_mp")) {
        if (ElapsedSince(start) >= kBlipsWaitLimitMs) {
            Log("gave up waiting for the blips_mp texture dict, going on without its sprites");
            return;
        }
        ScriptWait(0);
    }
}

} // namespace

bool Initialize(Session& session) {
    RefreshPlayerPed();
    SetAsideLongLog();
    EnableLog(true);
    Log(kBanner);
    Log("version " CORVALE_VERSION);
    WaitForBlipTextures();
    Settings& settings = session.data().settings();
    // A mistyped switch reads as its built-in value, with a line in the log.
    settings.load("Corvale/Settings.ini",
                  {{"DevTools", "0"}, {"UseMpAssets", "1"}, {"DebugLogs", "1"}});
    if (!settings.getBool("UseMpAssets")) Log("UseMpAssets is OFF");
    ScriptWait(0);
    if (!session.data().loadFiles()) return false;
    ScriptWait(0);
    session.createWorld();
    Log("initialization completed");
    return true;
}

void RunFrame(Session& session) {
    RefreshPlayerPed();
    try {
        GuardedWork(session);
    } catch (...) {
        ContainException(session);
    }
    // The developer keys read settings too; a bad DevTools value must not end the script.
    try {
        DeveloperKeys(session);
    } catch (...) {
        ContainException(session);
    }
}

void ScriptMain(Session& session) {
    try {
        if (!Initialize(session)) {
            session.showMessage("Failed to load Corvale, please check the logs for more info.");
            return;
        }
    } catch (...) {
        // Nothing may leave the script entry: the host is built by another compiler.
        ContainException(session);
        session.showMessage("Failed to load Corvale, please check the logs for more info.");
        return;
    }
    session.timers().timerFor("autosave");
    for (;;) {
        RunFrame(session);
        ScriptWait(0);
    }
}

} // namespace corvale
