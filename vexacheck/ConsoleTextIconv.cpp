#include <errno.h>
#include <iconv.h>

#include "vexacheck/ConsoleText.h"

namespace {

// One conversion descriptor for the whole run.
class ShiftJisToUtf8 {
 public:
  ShiftJisToUtf8() : descriptor(iconv_open("UTF-8", "CP932")) {}
  ~ShiftJisToUtf8() {
    if (Usable()) iconv_close(descriptor);
  }
  ShiftJisToUtf8(const ShiftJisToUtf8&) = delete;
  ShiftJisToUtf8& operator=(const ShiftJisToUtf8&) = delete;

  std::string Convert(std::string_view text) const {
    if (!Usable()) return std::string(text);
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(text.data());  // iconv's interface, which never writes it
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
      char* next = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(descriptor, &in, &inLeft, &next, &outLeft);
      out.append(buffer, static_cast<std::size_t>(next - buffer));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out.push_back('?');  // a byte that is no character: skip it and go on
        ++in;
        --inLeft;
        iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  bool Usable() const { return descriptor != reinterpret_cast<iconv_t>(-1); }

  iconv_t descriptor;
};

}  // namespace

std::string ConsoleText(std::string_view shiftJis) {
  static const ShiftJisToUtf8 converter;
  return converter.Convert(shiftJis);
}
