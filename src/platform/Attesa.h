#pragma once
// Waiting on the one user-interface thread without freezing the windows.

namespace tlx::platform {

// Waits that many milliseconds, processing pending events every few
// milliseconds so that the windows stay responsive.
void Attendi(int millisecondi);

// Processes the pending events once: long operations call it at their steps.
void ElaboraEventi();

}  // namespace tlx::platform
