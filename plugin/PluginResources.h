/* Resource ids of VexaChar.dll, shared by its .rc file and its C++ code. */
#pragma once

#define IDB_EMBLEMS 1 /* one strip of square emblems, character type k at x = k * height */
