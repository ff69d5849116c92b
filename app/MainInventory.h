// Every control and stored rectangle of the main window as data: where its
// skin entry is, what kind of control it is, on which page it shows. The
// window's areas place their controls by these entries; the tests check the
// skin files against them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IniFile;

// The screen whose sheets give a control its faces, in build order. Lists
// come last and take no faces.
enum class Screen : std::uint8_t { kMouse, kLight, kSensi, kLists };

enum class ControlKind : std::uint8_t {
  kSheetButton,   // CBitmapBtn, faces cut from the screen's sheets
  kSheetButton2,  // CBitmapBtn2, faces cut from the screen's sheets
  kImageButton,   // CPngListBtn, faces from the entry's own image files
  kSlider,        // CPngHSliderBar
  kColourEdit,    // CClrEdit
  kNameList,      // the two library lists
  kRectangle,     // no control: a rectangle the window draws in or hit-tests
};

// Where ShowPage shows a control. kOwnRule controls follow a rule of their
// page (toggle pairs, colour edits, cycle pair, rename edit, lists).
enum class ShownOn : std::uint8_t {
  kEveryPage,
  kButtonsPage,
  kSensitivityPage,
  kLightingPage,
  kNever,
  kOwnRule,
  kNotAWindow,
};

enum InventoryOption : unsigned {
  kOptWhite = 1u << 0,           // white captions, left aligned
  kOptFacesFromMain = 1u << 1,   // all four faces from the Main sheet (a label)
  kOptFirstBuildOnly = 1u << 2,  // placed once; a rebuild leaves it where it is
  kOptDisabled = 1u << 3,        // a disabled window: clicks reach the main window
  kOptIndirectKey = 1u << 4,     // the key names another key of the section
  kOptStoresRect = 1u << 5,      // its rectangle is also kept for drawing and hits
};

// What a control is for; rows of a kind are told apart by their index.
enum class Ctl : std::uint8_t {
  kLibraryCommand,  // 0..4: "ADVANCE" 3..7
  kTitle,
  kPreferences,
  kMinimise,
  kClose,
  kProfileMenu,
  kProfileEditMenu,
  kDeleteProfile,
  kAddProfile,
  kImportProfile,
  kExportProfile,
  kProfileNameEdit,
  kTab,  // 0..3: buttons, sensitivity, library, lighting
  kApplyAndClose,
  kApply,
  kCloseButton,
  kProfilePicture,   // 0..5
  kProfileSelector,  // 0..5
  kProfileName,      // 0..5
  kFunctionButton,   // 0..5, assignment rows
  kRowLabel,         // 0..5
  kRowButton,        // 0..5
  kLibraryTab,       // 0 macros, 1 patterns
  kReset,
  kBackground,
  kCycleOn,
  kCycleOff,
  kEffect,
  kPreview,
  kColourField,
  kSwatch,      // 0..23
  kColourEdit,  // 0 red, 1 green, 2 blue
  kCycleSlot,   // 0..6
  kLightingArea,
  kBrightnessSlider,
  kSpeedSlider,
  kLevelButton,  // 0..6
  kLevelValue,   // 0..6
  kLevelColour,  // 0..6
  kLevelArea,
  kPollingButton,  // 0..3
  kPollingText,
  kEnhanceOff,
  kEnhanceOn,
  kScrollOff,
  kScrollOn,
  kSensitivityLabel,
  kLevelSlider,
  kPollingSlider,
  kPointerSlider,
  kScrollSlider,
  kDoubleClickSlider,
  kNameLists,
};

struct InventoryEntry {
  Ctl ctl;
  int index;
  Screen screen;
  std::u16string section;
  std::u16string key;  // with kOptIndirectKey, the key that names the entry's key
  ControlKind kind;
  ShownOn shown;
  unsigned options;
  int controlId;  // sliders and edits; the command of a library button
  int minimum;    // sliders
  int maximum;

  bool Has(InventoryOption option) const { return (options & option) != 0; }
};

// The whole inventory in build order: the "MOUSESCREEN" controls, then
// "LIGHTSCREEN", "SENSISCREEN" and the lists.
const std::vector<InventoryEntry>& MainInventory();
// The entry of a control; a missing one is a programming error caught by the tests.
const InventoryEntry& InventoryOf(Ctl ctl, int index = 0);

// The position value of an entry in a skin file, following an indirect key.
std::u16string InventoryValue(const IniFile& skin, const InventoryEntry& entry);

// Slider and menu values that arrive in messages, kept inside a range.
int ClampToRange(long long value, int minimum, int maximum);
