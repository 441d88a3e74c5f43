#pragma once
// The camp plug-in's script entry: start-up, then one pass of work per frame.

namespace corvale {

class Session;

// Start-up, then the frame loop; never returns while the game runs. The camp's script
// entry calls it with the session it made.
void ScriptMain(Session& session);

// Start-up: log banner, texture wait, settings, data files, world objects.
bool Initialize(Session& session);
// One pass of the frame loop.
void RunFrame(Session& session);

} // namespace corvale
