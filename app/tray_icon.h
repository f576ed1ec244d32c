// The notification-area icon and its menu.
#pragma once

#include <windows.h>

// Sets or clears the check mark of the "Invoke At Startup" menu item.
void SetStartupMenuCheck(bool checked);
