// quenor-cli built with Qt: the chart drawn into PDF and SVG files, without
// any display (the offscreen platform unless another one is asked for).
#include <QSizeF>

#include "cli/eventail_outputs.h"
#include "cli/gui_scope.h"
#include "platform/cp1252.h"
#include "platform/qt/fan_chart_files.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

void TellNotWritten(Session& session, const std::string& path) {
  session.Message("Éventail"_ansi, "Impossible d'écrire le fichier "_ansi + Cp1252FromUtf8(path), MessageIcon::Stop);
}

}  // namespace

bool ChartFilesAvailable() { return true; }

bool WriteChartFiles(Session& session, const ChartFileRequest& request) {
  GuiScope gui;
  bool done = true;
  if (!request.pdfPath.empty()) {
    QSizeF paper;
    if (!request.poster && !PaperSizeByName(request.paper, paper)) {
      session.Message("Éventail"_ansi, "Format de papier inconnu : "_ansi + Cp1252FromUtf8(request.paper),
                      MessageIcon::Stop);
      return false;
    }
    const bool written = request.poster ? WriteFanChartPdfPoster(session, request.pdfPath)
                                        : WriteFanChartPdfPages(session, request.pdfPath, paper);
    if (!written) TellNotWritten(session, request.pdfPath), done = false;
  }
  if (!request.svgPath.empty() && !WriteFanChartSvg(session, request.svgPath)) {
    TellNotWritten(session, request.svgPath);
    done = false;
  }
  return done;
}

}  // namespace quenor
