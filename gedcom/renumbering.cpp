#include "gedcom/renumbering.h"

#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

void ShowCapacityMessage(Session& session, bool individuals) {
  const std::string text =
      individuals ? "Le nombre d'individus dépasse la capacité de "_ansi + std::to_string(GedcomIndex::kMaxIndividual)
                  : "Le nombre de familles dépasse la capacité de "_ansi + std::to_string(GedcomIndex::kMaxFamily);
  session.Message("Erreur", text + ".\n\n    Veuillez extraire seulement la partie pertinente du fichier GEDCOM.",
                  MessageIcon::Stop);
}

LoadResult RenumberAndReload(Session& session, const std::string&) {
  ShowCapacityMessage(session, true);
  return LoadResult::MustClose;
}

}  // namespace quenor
