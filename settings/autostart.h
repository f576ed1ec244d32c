// Start with Windows: the Run value "Somnivex" and the startup flag.
#pragma once

// Mirrors the "startup" setting; not 0 means on.
extern int g_startupFlag;

void WriteRunValue(const char* name, const char* data);
void DeleteRunValue(const char* name);
// Flips the flag, writes or deletes the Run value, sets the menu check mark.
void ToggleAutostart();
