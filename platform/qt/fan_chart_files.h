#pragma once
// The fan chart written to files: the tiled printer pages as a PDF (each
// page one PDF page, with its codes and joining marks), the whole chart on
// one PDF page at its true size, or the whole chart as one SVG picture.
#include <QSizeF>
#include <string>

namespace quenor {

class Session;

// The paper of a name such as "Letter", "A4", "Legal", "A3" or "Tabloid"
// (case ignored), in inches; false for an unknown name.
bool PaperSizeByName(const std::string& name, QSizeF& inches);

// Each writes the chart of session.fan (generations, scale, texts, first
// number, "Angles inversés" from session.anglesInverted) and returns false
// when the file cannot be written. A QGuiApplication must exist.
bool WriteFanChartPdfPages(Session& session, const std::string& path, QSizeF paperInches);
bool WriteFanChartPdfPoster(Session& session, const std::string& path);
bool WriteFanChartSvg(Session& session, const std::string& path);

}  // namespace quenor
