#include "session/load_report.h"

#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

void LoadReport(Session& session, int slot, int headingLines) {
  session.selectionMode = 0;
  if (session.slots[slot].shown) return;
  session.Status("Veuillez patienter, je charge le fichier..."_ansi);
  session.ui.ShowReport(slot, headingLines);
  session.slots.MarkShown(slot);
  session.Status("");
}

}  // namespace quenor
