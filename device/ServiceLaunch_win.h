// Starting the device service (Windows only).
#pragma once

#include <string>

void LaunchService(const std::wstring& programFolder);
