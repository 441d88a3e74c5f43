#pragma once
// The screen as a whole: the HUD and full-screen post effects (fades: Camera.h).

namespace corvale {

void DisplayHud(bool shown);
// A named full-screen effect (a sky time-lapse), until every effect is stopped.
void PlayPostEffect(const char* effect);
void StopAllPostEffects();

} // namespace corvale
