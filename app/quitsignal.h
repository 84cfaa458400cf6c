#pragma once
// The end of a session or a `kill` asks the program to end with SIGTERM (SIGINT from a
// terminal): it then ends as if its window were closed, saving what a close saves, instead of
// dropping it.

#include <functional>

// From now on SIGTERM and SIGINT run `quit` in the event loop. A signal that comes while `quit`
// is still empty (the windows are being made) waits for it for up to two seconds, then ends the
// program as it would have without this. `quit` must outlive the event loop. Once per program.
void QuitOnTerminationSignals(const std::function<void()>& quit);
