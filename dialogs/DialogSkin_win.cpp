#include "dialogs/DialogSkin_win.h"

#include <string>

#include "controls/BitmapBtn_win.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinImages_win.h"

namespace {

// A sheet of the screen section; a name that leaves the skins folder is refused.
UniqueBitmap LoadSheet(std::u16string_view section, std::u16string_view key, SIZE* size = nullptr) {
  UniqueBitmap sheet;
  const std::u16string name = ReadSkinValue(section, key);
  if (!name.empty() && IsSkinRelativeName(name))
    LoadPictureFile(Paths().programFolder + L"skins\\" + Wide(name), sheet, size);
  return sheet;
}

}  // namespace

void DialogSheets::Load(std::u16string_view section) {
  down = LoadSheet(section, u"Down");
  over = LoadSheet(section, u"Over");
  disabled = LoadSheet(section, u"Disabled");
  main = LoadSheet(section, u"Main", &size);
}

void DialogSheets::PlaceButton(CBitmapBtn& button, const RECT& rect, HWND dialog) const {
  button.CreateButton(rect, dialog, 0);
  button.LoadStateImages(main.get(), over.get(), down.get(), disabled.get(), rect);
}

void DialogSheets::ReleaseButtonSheets() {
  over.reset();
  down.reset();
  disabled.reset();
}

void FitDialogToSheet(HWND dialog, SIZE size) {
  SetWindowLongPtrW(
      dialog, GWL_STYLE,
      GetWindowLongPtrW(dialog, GWL_STYLE) &
          ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME));
  SetWindowLongPtrW(
      dialog, GWL_EXSTYLE,
      GetWindowLongPtrW(dialog, GWL_EXSTYLE) &
          ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE));
  SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

SkinEntry DialogEntry(std::u16string_view section, std::u16string_view key) {
  return ParseSkinEntry(ReadSkinValue(section, key));
}
