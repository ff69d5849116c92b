// Counting the GDI objects a process holds, to prove that code leaks none.
#pragma once

// Live GDI objects of the process. Wine's GetGuiResources is a stub that
// returns 0; there the handle table is probed instead (a handle's low word
// indexes it).
int GdiObjectCount();
