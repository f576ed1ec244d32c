// A small program that raises a fatal error through the real ShowFatalError,
// so that the box and the exit code can be checked from outside.
#include <windows.h>

#include "app/fatal_error.h"
#include "app/fatal_text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  ShowFatalError(commandLine && *commandLine ? commandLine : kErrorSettingsLoad);
}
