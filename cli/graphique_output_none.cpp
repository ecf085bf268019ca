// quenor-cli built without Qt: no pictures.
#include "cli/graphique_output.h"

#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {

bool ChartPicturesAvailable() { return false; }

bool WriteCompletenessChartPicture(Session& session, const std::string&, int, int) {
  using namespace literals;
  session.Message("Graphique de complétude"_ansi, "Cette version ne sait pas écrire d'image."_ansi, MessageIcon::Stop);
  return false;
}

}  // namespace quenor
