#pragma once
// The camp plug-in's script entry: start-up, then one pass of work per frame.

namespace corvale {

class Session;

// Registered with the host at attach; never returns while the game runs.
void ScriptMain();

// Start-up: log banner, texture wait, settings, data files, world objects.
bool Initialize(Session& session);
// One pass of the frame loop.
void RunFrame(Session& session);

} // namespace corvale
