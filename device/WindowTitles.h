// Titles by which the program's windows and the device service's window find
// each other. The main window's title is also the single-instance mutex name.
#pragma once

constexpr char16_t kMainWindowTitle[] = u"Kestrelon R58";
constexpr char16_t kServiceWindowTitle[] = u"Kestrelon_R58_Hid";
constexpr char16_t kWarningWindowTitle[] = u"Kestrelon_Warning";
constexpr char16_t kPreferenceWindowTitle[] = u"Kestrelon_Preference";
constexpr char16_t kMacroWindowTitle[] = u"Kestrelon_Macro";  // both editors
constexpr char16_t kColourWindowTitle[] = u"Kestrelon_Infomation";

// Auxiliary windows the service's shutdown message closes, in this order.
constexpr const char16_t* kAuxiliaryWindowTitles[] = {kWarningWindowTitle, kPreferenceWindowTitle,
                                                      kMacroWindowTitle};
