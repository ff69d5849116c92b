#include <windows.h>

#include "tests/win/GdiCount_win.h"

int GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported) return static_cast<int>(reported);
  int live = 0;
  for (UINT_PTR v = 1; v < 0x10000; ++v)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(v))) ++live;
  return live;
}
