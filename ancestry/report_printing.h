#pragma once
// printf-style lines for the ancestry reports.
#include "platform/report_file.h"

namespace quenor {

// Writes what printf would print for `format` (line feeds become CR LF).
void PrintToReport(ReportFile& file, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace quenor
