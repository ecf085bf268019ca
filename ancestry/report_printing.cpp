#include "ancestry/report_printing.h"

#include <cstdarg>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/report_failure.h"
#include "session/session.h"

namespace quenor {

std::string PrintToString(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return text;
}

bool WriteSlotText(Session& session, int slot, const std::string& text) {
  ReportFile file(session.SlotPath(slot));
  if (file.IsOpen()) file.Write(text);
  if (file.Close()) return true;
  TellReportNotWritten(session.ui, session.SlotPath(slot));
  return false;
}

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
