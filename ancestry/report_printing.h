#pragma once
// printf-style lines for the reports, and a finished report text written as
// the file of its slot.
#include <string>

#include "platform/report_file.h"

namespace quenor {

class Session;

// The text printf would print (C conversions and widths).
std::string PrintToString(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes `text` as the file of report slot `slot`, every line feed as CR LF.
// Tells the user and returns false when the file cannot be written.
bool WriteSlotText(Session& session, int slot, const std::string& text);

// Writes what printf would print for `format` (line feeds become CR LF).
void PrintToReport(ReportFile& file, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace quenor
