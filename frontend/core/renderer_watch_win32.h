// What the saver form's renderer watch reads of the system at a tick, and how it asks the
// renderer's window and ends the renderer. The decisions are RendererWatch's (renderer_watch.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "renderer_watch.h"

struct RendererWatchReading {
    WatchObservation seen;
    HWND ownWindow = nullptr;  // the renderer's window of the process the front end started
};

// Reads one tick's observation of the renderer started as `process` (empty when the start
// failed) at `startedAtMs` (GetTickCount64).
RendererWatchReading readRendererWatch(HANDLE process, std::uint64_t startedAtMs);

// Asks the window whether its thread takes messages, holding the front end for at most about
// a tenth of a second; WM_NULL needs nothing of the renderer but its default handling.
AskOutcome askRenderer(HWND window);

// Ends the renderer process the front end started, with the exit code that tells the front
// end's end from the renderer's own, without waiting for it to go.
void endStuckRenderer(HANDLE process);
