#include "app/CommandLine.h"

#include <cstring>

std::string FirstArgument(const char* arguments) {
  if (!arguments) return std::string();
  const char* start = arguments + std::strspn(arguments, " \t");
  if (*start == '"') {
    ++start;
    return std::string(start, std::strcspn(start, "\""));
  }
  return std::string(start, std::strcspn(start, " \t"));
}
