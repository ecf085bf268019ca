#include "kinship/report_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/report_failure.h"
#include "platform/report_file.h"
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

int CentringMargin(int width, const std::string& text) {
  const int margin = (width - static_cast<int>(text.size())) / 2;
  return margin < 0 ? 0 : margin;
}

std::string AnalysisTitle(const Session& session) {
  return PrintToString("Analyse du fichier %s  %s", session.dataFolder.c_str(), session.runDate.c_str());
}

bool WriteReportText(Session& session, int slot, const std::string& text) {
  ReportFile file(session.SlotPath(slot));
  if (file.IsOpen()) file.Write(text);
  if (file.Close()) return true;
  TellReportNotWritten(session.ui, session.SlotPath(slot));
  return false;
}

}  // namespace quenor
