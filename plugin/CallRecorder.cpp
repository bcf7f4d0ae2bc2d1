#include "CallRecorder.h"

#include <cstdarg>
#include <cstdio>

#include "ThisModule.h"

void RecordCall(const char* format, ...) {
  char line[256];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);

  // Opened for each line, so the log is complete even if the program dies.
  char path[MAX_PATH];
  if (!PathBesideModule("VexaChar.log", path)) return;
  FILE* log = std::fopen(path, "a");
  if (!log) return;
  std::fprintf(log, "%s\n", line);
  std::fclose(log);
}
