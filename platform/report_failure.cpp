#include "platform/report_failure.h"

#include "platform/cp1252.h"
#include "platform/user_interface.h"

namespace quenor {

using namespace literals;

void TellReportNotWritten(UserInterface& ui, const std::string& path) {
  const std::string text = "Impossible d'écrire le fichier "_ansi + Cp1252FromUtf8(path) +
                           ".\n\nVérifiez que le répertoire de travail est accessible en écriture\net que le disque n'est pas plein."_ansi;
  ui.ShowMessage("Rapport non créé"_ansi, text, MessageIcon::Stop);
}

}  // namespace quenor
