// The system's open and save dialogs as the program uses them: a filter, a
// default extension, an initial name and folder. The main window owns them,
// so that it cannot be used while a dialog is open.
#pragma once

#include <windows.h>

#include <string>

struct FileDialogSpec {
  const wchar_t* filter;  // pairs of description and pattern, each ended by '\0'
  const wchar_t* defaultExtension;
  const wchar_t* initialName;
  std::wstring initialFolder;  // empty: where the system chooses
  DWORD options;
};

// The chosen full path, or empty when the user cancels.
std::wstring ShowOpenDialog(HWND owner, const FileDialogSpec& spec);
std::wstring ShowSaveDialog(HWND owner, const FileDialogSpec& spec);

// Picture files (JPEG) for the background and the profiles, starting in the
// program-files folder.
std::wstring ChoosePictureFile(HWND owner);
// The user's desktop folder, created if missing; empty when unknown.
std::wstring DesktopFolder();
