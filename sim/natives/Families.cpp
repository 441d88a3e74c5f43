// Every family of native handlers, mirroring the bridge's wrapper families.
#include "natives/Families.h"

namespace sim {

void RegisterAllNatives(NativeTable& table) {
    RegisterStringNatives(table);
    RegisterRandomNatives(table);
    RegisterPlayerNatives(table);
    RegisterEntityNatives(table);
    RegisterDeveloperNatives(table);
    RegisterDistanceNatives(table);
    RegisterGroundNatives(table);
    RegisterModelNatives(table);
    RegisterTextureDictionaryNatives(table);
    RegisterMapDataNatives(table);
    RegisterPedNatives(table);
    RegisterObjectNatives(table);
    RegisterPropsetNatives(table);
    RegisterAnimationNatives(table);
    RegisterWeaponNatives(table);
    RegisterInventoryNatives(table);
    RegisterPromptStepNatives(table);
    RegisterScriptEventNatives(table);
    RegisterAiEventNatives(table);
    RegisterHudTextNatives(table);
    RegisterFeedNatives(table);
    RegisterHudContextNatives(table);
    RegisterControlNatives(table);
    RegisterAudioNatives(table);
    RegisterMusicNatives(table);
    RegisterMoneyNatives(table);
    RegisterCameraNatives(table);
    RegisterTaskNatives(table);
    RegisterVehicleNatives(table);
    RegisterSequenceNatives(table);
    RegisterCombatNatives(table);
    RegisterGroupNatives(table);
    RegisterItemSetNatives(table);
    RegisterSenseNatives(table);
    RegisterDecorationNatives(table);
    RegisterGameClockNatives(table);
    RegisterWeatherNatives(table);
    RegisterScriptNatives(table);
    RegisterBlipNatives(table);
    RegisterNavmeshNatives(table);
    RegisterDoorNatives(table);
    RegisterScreenEffectNatives(table);
    RegisterRadarNatives(table);
    RegisterItemInteractionNatives(table);
    RegisterLawNatives(table);
    RegisterMissionNatives(table);
}

} // namespace sim
