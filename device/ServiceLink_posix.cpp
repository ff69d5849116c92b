// The native build has no service window to tell.
#include "device/ServiceLink.h"

bool NotifyService(unsigned) { return false; }
