#include <windows.h>

#include "app/QoxelApp_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  CQoxelApp app;
  return app.Run(instance);
}
