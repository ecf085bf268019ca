#include "kinship/report_text.h"

#include "session/session.h"

namespace quenor {

int CentringMargin(int width, const std::string& text) {
  const int margin = (width - static_cast<int>(text.size())) / 2;
  return margin < 0 ? 0 : margin;
}

std::string AnalysisTitle(const Session& session) {
  return PrintToString("Analyse du fichier %s  %s", session.dataFolder.c_str(), session.runDate.c_str());
}

bool WriteReportText(Session& session, int slot, const std::string& text) { return WriteSlotText(session, slot, text); }

}  // namespace quenor
