#include "ancestry/report_printing.h"

#include <cstdarg>
#include <cstdio>
#include <string_view>
#include <vector>

namespace quenor {

void PrintToReport(ReportFile& file, const char* format, ...) {
  char local[512];
  std::va_list args;
  va_start(args, format);
  std::va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(local, sizeof local, format, args);
  va_end(args);
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof local) {
    file.Write(std::string_view(local, static_cast<std::size_t>(length)));
  } else if (length >= 0) {
    std::vector<char> large(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), format, again);
    file.Write(std::string_view(large.data(), static_cast<std::size_t>(length)));
  }
  va_end(again);
}

}  // namespace quenor
