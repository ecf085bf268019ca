#include <cstdio>
#include <filesystem>

#include "ancestry/ancestry_analysis.h"
#include "cli/commands.h"
#include "cli/console_ui.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
using namespace literals;

int RunAscendanceCommand(const Arguments& args) {
  if (args.size() != 2) return UsageError("la commande ascendance attend FICHIER.ged et NUMÉRO");
  int32_t number = 0;
  if (!ParsePersonNumber(args[1], number)) return UsageError("numéro d'individu invalide : " + args[1]);
  ConsoleUi ui;
  SystemClock clock;
  Session session(ui, std::filesystem::current_path().string(), clock);
  if (LoadForCommand(session, args[0]) != kExitDone) return kExitRefused;
  if (session.index.IndividualRecord(number) == nullptr) {
    session.Message(args[1], "Le fichier ne contient aucune personne portant ce numéro"_ansi, MessageIcon::Stop);
    return kExitRefused;
  }
  session.selectionMode = 1;
  session.chosenLine = ListLineOf(session.index, number);
  return AnalyseAncestry(session) == AncestryOutcome::Analysed ? kExitDone : kExitRefused;
}

}  // namespace quenor
