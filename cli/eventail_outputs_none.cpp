// quenor-cli built without Qt: the chart can only be exported as a script.
#include "cli/eventail_outputs.h"

#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {

bool ChartFilesAvailable() { return false; }

bool WriteChartFiles(Session& session, const ChartFileRequest&) {
  using namespace literals;
  session.Message("Éventail"_ansi, "Cette version ne sait pas écrire de fichier PDF ni SVG."_ansi, MessageIcon::Stop);
  return false;
}

}  // namespace quenor
