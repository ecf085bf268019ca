#include "ancestry/report_failure.h"

#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

void TellReportNotWritten(Session& session, int slot) {
  const std::string text = "Impossible d'écrire le fichier "_ansi + Cp1252FromUtf8(session.SlotPath(slot)) +
                           ".\n\nVérifiez que le répertoire de travail est accessible en écriture\net que le disque n'est pas plein."_ansi;
  session.Message("Rapport non créé"_ansi, text, MessageIcon::Stop);
}

}  // namespace quenor
