// Pages and timers of the main window.
#pragma once

constexpr int PAGE_BUTTONS = 100001;
constexpr int PAGE_SENSITIVITY = 100002;
constexpr int PAGE_LIBRARY = 100003;
constexpr int PAGE_LIGHTING = 100004;

// The four tabs in the order of their skin keys "MAIN" 7, 8, 99, 9.
constexpr int kPageOfTab[] = {PAGE_BUTTONS, PAGE_SENSITIVITY, PAGE_LIBRARY, PAGE_LIGHTING};
constexpr int kTabCount = 4;

// Hover of the assignment rows (button page only), hover of the profile
// entries, and the typed colour values of the lighting page.
constexpr unsigned TIMER_ROW_HOVER = 4;
constexpr unsigned TIMER_PROFILE_HOVER = 5;
constexpr unsigned TIMER_RGB_ENTRY = 40001;
constexpr unsigned kHoverPeriodMs = 200;
constexpr unsigned kTypedColourDelayMs = 1000;
