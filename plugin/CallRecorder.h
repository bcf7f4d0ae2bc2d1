#pragma once

// Appends one line to "VexaChar.log" beside the plug-in, so a test can see
// every call the program made and with which arguments.
void RecordCall(const char* format, ...) __attribute__((format(printf, 1, 2)));
