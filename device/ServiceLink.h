// The link to the device service: the messages both sides use, the window
// title by which the program finds the service, and the apply operation.
#pragma once

#include <cstdint>

#include "device/WindowTitles.h"

class SettingsStore;
class Libraries;
struct MouseConfig;

// Sent to the service window, synchronously, wParam and lParam 0.
constexpr unsigned UM_SERVICE_APPLY = 0x04FF;
constexpr unsigned UM_SERVICE_RESET = 0x0501;
// Accepted by the main window from other processes.
constexpr unsigned UM_QUERY = 0x0414;
constexpr unsigned UM_RELOAD_SETTINGS = 0x0505;
constexpr unsigned UM_DPI_LEVEL = 0x0506;
constexpr unsigned UM_RELOAD_SETTINGS_ALT = 0x0507;
constexpr unsigned UM_CLOSE_CONFIG = 0x0529;
constexpr unsigned UM_OSD_CHANGED = 0x052A;
constexpr unsigned UM_SHUTDOWN = 0x0915;
constexpr std::uintptr_t kShutdownSession = 0x0916;
constexpr std::uintptr_t kShutdownDevice = 0x0917;

constexpr char16_t kServiceExecutable[] = u"hid.exe";

// Sends a message to the service window, under the wait cursor, when the
// window exists; the result is ignored. Returns whether the window existed.
bool NotifyService(unsigned message);

// The file part of applying: rewrite the macro library, make the current
// profile the active one, give its macro and pattern slots their events from
// the libraries, and write the whole settings file. False when the settings
// file could not be written.
bool ApplySettingsToFiles(SettingsStore& settings, Libraries& libraries);

// UM_DPI_LEVEL: the level of one profile. False (nothing changed) for a
// profile outside 0..5 or a level outside 0..6.
bool SetDpiLevel(MouseConfig& config, std::intptr_t profile, std::intptr_t level);
// UM_OSD_CHANGED: only 0 and 1 are stored. Returns whether it was stored.
bool SetShowOsd(MouseConfig& config, std::intptr_t value);
// UM_SHUTDOWN ends the program only for these two values.
bool IsShutdownRequest(std::uintptr_t wParam);
