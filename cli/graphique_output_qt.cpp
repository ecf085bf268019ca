// quenor-cli built with Qt: the completeness chart drawn into a picture.
#include "ancestry/completeness_chart.h"
#include "cli/graphique_output.h"
#include "cli/gui_scope.h"
#include "platform/cp1252.h"
#include "platform/qt/completeness_chart_files.h"
#include "session/session.h"

namespace quenor {

bool ChartPicturesAvailable() { return true; }

bool WriteCompletenessChartPicture(Session& session, const std::string& path, int width, int height) {
  using namespace literals;
  GuiScope gui;
  const CompletenessChartData data = CompletenessChartOf(session.ancestryFigures, session.probantName, session.runDate);
  switch (WriteCompletenessChartFile(data, path, QSize(width, height))) {
    case ChartFileResult::Written:
      return true;
    case ChartFileResult::UnknownFormat:
      session.Message("Graphique de complétude"_ansi, "Le graphique s'écrit en .svg ou en .png : "_ansi + Cp1252FromUtf8(path),
                      MessageIcon::Stop);
      return false;
    case ChartFileResult::NotWritten:
      break;
  }
  session.Message("Graphique de complétude"_ansi, "Impossible d'écrire le fichier "_ansi + Cp1252FromUtf8(path),
                  MessageIcon::Stop);
  return false;
}

}  // namespace quenor
