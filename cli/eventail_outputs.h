#pragma once
// The drawn outputs of the eventail command (PDF pages, PDF poster, SVG),
// available only when quenor-cli is built with Qt.
#include <string>

namespace quenor {

class Session;

struct ChartFileRequest {
  std::string pdfPath;   // empty: no PDF
  std::string svgPath;   // empty: no SVG
  std::string paper = "Letter";
  bool poster = false;   // the PDF as one page at the chart's true size
};

// True when this build can draw PDF and SVG files.
bool ChartFilesAvailable();

// Writes the requested files of the session's fan chart; tells the user of
// each failure and returns false after any.
bool WriteChartFiles(Session& session, const ChartFileRequest& request);

}  // namespace quenor
