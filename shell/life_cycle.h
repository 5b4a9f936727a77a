// Start-up, the event loop and shut-down: the order in which things happen.
#pragma once

#include <windows.h>

#include "main_window.h"

namespace velqora::shell {

// Handles every message already queued for this thread, then returns; never
// waits. A queued WM_QUIT stays for the event loop.
void processPendingEvents();

// Sets up the program-wide state, creates the window, writes the first page
// and only then shows the window. False when the window cannot be created.
bool startVelqora(HINSTANCE instance, MainWindow& mainWindow);

// Runs until WM_QUIT; returns its exit code.
int runEventLoop();

// The whole program: start, loop, end. Shows one message box and returns
// non-zero when the window cannot be created.
int runVelqora(HINSTANCE instance);

}  // namespace velqora::shell
