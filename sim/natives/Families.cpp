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
    RegisterStreamingNatives(table);
    RegisterPedNatives(table);
    RegisterObjectNatives(table);
    RegisterPropsetNatives(table);
    RegisterAnimationNatives(table);
    RegisterWeaponNatives(table);
    RegisterInventoryNatives(table);
    RegisterPromptNatives(table);
    RegisterEventNatives(table);
    RegisterHudNatives(table);
    RegisterControlNatives(table);
    RegisterAudioNatives(table);
    RegisterMoneyNatives(table);
    RegisterCameraNatives(table);
    RegisterTaskNatives(table);
    RegisterVehicleNatives(table);
    RegisterSequenceNatives(table);
    RegisterCombatNatives(table);
    RegisterGroupNatives(table);
    RegisterPerceptionNatives(table);
    RegisterClockWeatherNatives(table);
    RegisterBlipNatives(table);
    RegisterNavigationNatives(table);
    RegisterDoorNatives(table);
    RegisterScreenEffectNatives(table);
    RegisterItemInteractionNatives(table);
    RegisterLawNatives(table);
    RegisterPedConfigNatives(table);
    RegisterMountNatives(table);
}

} // namespace sim
