// Arithmetic of the popup menu: stretching its images to a height, which
// item sits in the top row, scrolling, and where a submenu opens.
#pragma once

#include <vector>

// One strip of rows copied from the old image to the new one.
struct ImageBand {
  int sourceY = 0;
  int targetY = 0;
  int height = 0;
  bool operator==(const ImageBand&) const = default;
};

// The strips that make an image `oldHeight` high into one `newHeight` high,
// keeping `edge` rows at the top and the bottom and repeating the middle.
// Strips are cut to the new height; a middle band of no rows is not repeated.
std::vector<ImageBand> ResizeMenuImageBands(int oldHeight, int newHeight, int edge);

// The first visible item after ScrollTo(first).
int ClampFirstVisible(int first, int itemCount, int visibleRows);

// First visible item after a WM_VSCROLL request `code` (SB_*), before clamping.
int MenuScrollTarget(int code, int thumbPosition, int first, int itemCount, int page);

struct MenuPoint {
  int x = 0;
  int y = 0;
  bool operator==(const MenuPoint&) const = default;
};

struct SubmenuPlacement {
  MenuPoint parent;  // parent menu's top-left on the screen
  int parentImageWidth = 0;
  int row = 0;  // visible row of the parent item
  int rowHeight = 0;
  int submenuImageWidth = 0;
  int childCount = 0;
  int visibleRows = -1;  // -1: as many as children
  int screenWidth = 0;
  int screenHeight = 0;
};

// Beside the parent row; on the left when it would leave the screen on the
// right, moved up when it would leave it at the bottom.
MenuPoint PlaceSubmenu(const SubmenuPlacement& p);
