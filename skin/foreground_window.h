// Whether the user is looking at another program full-screen (a video, a
// game, a slide show), so that a window of ours should not pop up now.
#pragma once

#include <windows.h>

// True when the foreground window belongs to another process and covers
// the whole monitor it is on. The desktop and the shell's own windows
// (desktop, taskbar) do not count.
bool IsAnotherProgramFullScreen();
