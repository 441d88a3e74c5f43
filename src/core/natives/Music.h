#pragma once
// Music events: the game's scored cues, started and cancelled by name.
namespace corvale {

bool TriggerMusicEvent(const char* event);
bool CancelMusicEvent(const char* event);

} // namespace corvale
