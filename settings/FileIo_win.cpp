// Windows build: the system's file functions and its ANSI code page.
#include <windows.h>

#include <algorithm>

#include "settings/FileIo.h"

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  // Windows refuses to replace a read-only file; Wine running as root would
  // not, so the program asks first.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  const std::filesystem::path folder = path.parent_path().empty() ? L"." : path.parent_path();
  wchar_t temp[MAX_PATH];
  if (!GetTempFileNameW(folder.c_str(), L"r58", 0, temp)) return false;
  HANDLE file =
      CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileW(temp);
    return false;
  }
  bool ok = true;
  while (ok && !bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data(), chunk, &written, nullptr) && written == chunk;
    bytes.remove_prefix(written);
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileExW(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temp);
  return ok;
}

std::u16string AnsiToUtf16(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}
