// Whether the user is looking at another program full-screen (a video, a
// game, a slide show), so that a window of ours should not pop up now.
#pragma once

#include <windows.h>

// True when the foreground window belongs to another process, has neither
// caption nor sizing frame, and covers the whole monitor it is on (a
// maximized captioned window never counts). The desktop and the shell's own windows
// (desktop, taskbar) do not count.
bool IsAnotherProgramFullScreen();
