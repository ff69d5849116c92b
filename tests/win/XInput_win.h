// Real input from the X server for the Windows tests: xdotool run from inside
// Wine, with the test's messages handled while it works.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Handles the thread's messages for a while.
using MessagePump = std::function<void(DWORD milliseconds)>;

// Runs `xdotool <arguments>` and handles messages with `pump` until it is done
// and the events had time to arrive; false when it could not run.
bool Xdotool(const std::string& arguments, const MessagePump& pump);
bool Xdotool(const std::string& arguments);

// The xdotool words that put the pointer at a point of the screen.
std::string PointerAt(POINT screen);
// The centre of a window's rectangle on the screen.
POINT ScreenCentre(HWND window);
