#include "skin/LanguageTable.h"

#include "settings/IniFile.h"
#include "skin/SkinFile.h"

std::u16string_view SkinFileName(int lanId) { return lanId == 1 ? u"skin_En.ini" : u"skin_Cs.ini"; }

std::u16string FuncStringKey(int id) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::uint32_t v = static_cast<std::uint32_t>(id);
  std::u16string key;
  do {
    key.insert(key.begin(), kHex[v & 15]);
    v >>= 4;
  } while (v != 0);
  return key;
}

std::u16string FuncStringFrom(const IniFile& skin, int id) {
  return skin.ReadString(kFuncStringSection, FuncStringKey(id));
}

std::u16string GetFuncString(int id) { return FuncStringFrom(CurrentSkin(), id); }
