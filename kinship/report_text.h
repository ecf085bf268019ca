#pragma once
// Building the kinship reports: printf-style formatting into a text, the
// centring of titles, and writing a finished text as a report file.
#include <string>

#include "ancestry/report_printing.h"

namespace quenor {

class Session;

// The left margin that centres `text` in `width` columns: (width - length) / 2,
// truncated, and 0 when the text is wider.
int CentringMargin(int width, const std::string& text);

// "Analyse du fichier %s  %s": the data folder and the run date.
std::string AnalysisTitle(const Session& session);

// Writes `text` as the file of report slot `slot`, every line feed as CR LF.
// Tells the user and returns false when the file cannot be written.
bool WriteReportText(Session& session, int slot, const std::string& text);

}  // namespace quenor
