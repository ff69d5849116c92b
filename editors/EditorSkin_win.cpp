#include "editors/EditorSkin_win.h"

#include <algorithm>

#include "controls/ControlDraw_win.h"
#include "dialogs/WarnDlg_win.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr int kNarrowBox = 60;
constexpr int kTitleFontHeight = 20;
constexpr int kTextFontHeight = 16;

}  // namespace

void ShapeEditorWindow(HWND window) {
  SIZE size{};
  const UniqueBitmap mask = LoadScreenSheet(kMacroScreen, u"Mask", &size);
  if (!mask) return;
  SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ApplyWindowOutline(window, mask.get());
}

RECT EntryRect(std::u16string_view section, std::u16string_view key) {
  const SkinEntry entry = ParseSkinEntry(ReadSkinValue(section, key));
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

void PlaceEditorButton(CBitmapBtn2& button, HWND parent, const EditorSheets& sheets,
                       const RECT& rect, const RECT& faceRect) {
  if (!button.GetSafeHwnd()) button.CreateButton(rect, parent, 0);
  button.MoveWindow(rect);
  button.LoadStateImages(sheets.main.get(), sheets.over.get(), sheets.down.get(),
                         sheets.disabled.get(), faceRect);
}

RECT PlaceEditorButton(CBitmapBtn2& button, HWND parent, const EditorSheets& sheets,
                       std::u16string_view section, std::u16string_view key) {
  const SkinEntry entry = ParseSkinEntry(ReadSkinValue(section, key));
  const RECT rect{entry.left, entry.top, entry.right, entry.bottom};
  PlaceEditorButton(button, parent, sheets, rect, rect);
  button.SetButtonText(Wide(entry.text));
  return rect;
}

void PlaceEditorBox(CClrEdit& box, HWND parent, const RECT& rect, int fontHeight) {
  // The sheet draws the box's frame; the edit sits inside it, its line
  // centred. Narrow boxes keep every pixel for their digits.
  const bool narrow = rect.right - rect.left < kNarrowBox;
  const int vertical =
      std::max(1, static_cast<int>((rect.bottom - rect.top) - (fontHeight + 2)) / 2);
  const RECT inner{rect.left + (narrow ? 2 : 4), rect.top + vertical, rect.right - 1,
                   rect.bottom - vertical};
  if (!box.GetSafeHwnd()) box.Create(WS_VISIBLE | ES_AUTOHSCROLL, inner, parent, 0);
  box.MoveWindow(inner);
  box.SendMessage(WM_SETFONT,
                  reinterpret_cast<WPARAM>(CachedFont(fontHeight, FW_NORMAL, InterfaceFace())));
  // No margins inside the edit either.
  if (narrow) box.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

void PaintEditorTexts(HDC dc, std::u16string_view section, std::u16string_view title,
                      const std::vector<std::u16string_view>& labels) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  constexpr UINT kLine = DT_SINGLELINE | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS;
  {
    const SelectScope font(dc, CachedFont(kTitleFontHeight, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, section, title, kLine);
  }
  const SelectScope font(dc, CachedFont(kTextFontHeight, FW_NORMAL, InterfaceFace()));
  for (std::u16string_view key : labels) {
    const bool wraps = ReadSkinValue(section, key).find(u"\\r\\n") != std::u16string::npos;
    DrawSkinText(dc, section, key, wraps ? DT_LEFT | DT_NOPREFIX | DT_WORDBREAK : kLine);
  }
}

std::u16string BoxText(const CWnd& box) { return U16(box.GetWindowText()); }

void SetBoxText(const CWnd& box, std::u16string_view text) {
  box.SetWindowText(Wide(text));
  const int end = static_cast<int>(text.size());
  box.SendMessage(EM_SETSEL, end, end);
}

bool IsEnterOrEscape(const MSG& msg) {
  return (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR) &&
         (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

void ShowWarning(CWnd* owner, Warning warning) {
  CWarnDlg dialog(owner);
  dialog.m_nMessage = warning;
  dialog.DoModal();
}

bool SaveRecord(CWnd* owner, const Library& library, const LibraryEntry& record, bool isNew) {
  const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  const LibraryResult result = library.SaveEditedRecord(record, isNew);
  SetCursor(previous);
  if (result == kLibraryDone) return true;
  if (const Warning warning = WarningOf(result); warning != kAccepted) ShowWarning(owner, warning);
  return false;
}
