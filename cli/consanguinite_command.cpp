#include <cstdio>
#include <filesystem>

#include "ancestry/consanguinity_list.h"
#include "ancestry/consanguinity_report.h"
#include "cli/commands.h"
#include "cli/console_ui.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
using namespace literals;

int RunConsanguiniteCommand(const Arguments& args) {
  if (args.empty() || args.size() > 2) return UsageError("la commande consanguinite attend FICHIER.ged [NUMÉRO]");
  int32_t number = 0;
  if (args.size() == 2 && !ParsePersonNumber(args[1], number)) return UsageError("numéro d'individu invalide : " + args[1]);
  ConsoleUi ui;
  SystemClock clock;
  Session session(ui, std::filesystem::current_path().string(), clock);
  if (LoadForCommand(session, std::filesystem::absolute(args[0]).string()) != kExitDone) return kExitRefused;
  if (number != 0 && session.index.IndividualRecord(number) == nullptr) {
    session.Message(args[1], "Le fichier ne contient aucune personne portant ce numéro"_ansi, MessageIcon::Stop);
    return kExitRefused;
  }
  if (!ListConsanguinity(session)) return kExitRefused;
  if (number == 0) return kExitDone;
  return WriteConsanguinityReport(session, number) == ConsanguinityOutcome::Written ? kExitDone : kExitRefused;
}

}  // namespace quenor
