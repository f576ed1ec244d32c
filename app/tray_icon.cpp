#include "app/tray_icon.h"

void SetStartupMenuCheck(bool) {}
