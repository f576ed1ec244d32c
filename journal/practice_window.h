// "My Practice": a skinned window with the last four weeks of the practice
// record drawn as a picture (checks as bars, moons for the nights), the
// current streak and a line about how checks and lucid nights go together.
#pragma once

#include <windows.h>

inline constexpr const char kPracticeTitle[] = "SMX - My Practice";

// Reads the record and runs the window modally (template 717, no owner)
// until it is closed; when it is open already, brings it forward.
void RunPracticeWindow();
