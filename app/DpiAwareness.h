#pragma once

// Tells the system that the program draws itself at each monitor's scale, so
// that it does not stretch the window's bitmap: per-monitor v2 where the
// system has it, else per-monitor (v1), else system-wide. The manifest says
// the same; this holds where the manifest is not read. Each step is looked
// up at run time, so that the program starts on every system.
void DeclareDpiAwareness();
