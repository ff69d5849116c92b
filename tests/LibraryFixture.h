// A macro library as the tests of both builds need it.
#pragma once

#include <gtest/gtest.h>

#include "macro/Libraries.h"

// Saves "Burst", one key press under library number 0, as the macro editor
// saves a new record, and reloads the libraries' copies.
inline void SaveOneKeyMacro(Libraries& libraries) {
  LibraryEntry macro;
  macro.name = u"Burst";
  macro.number = 0;
  macro.events[0] = {0x14, 0, 1};
  ASSERT_EQ(libraries.macros.SaveEditedRecord(macro, true), kLibraryDone);
  libraries.Reload();
}
