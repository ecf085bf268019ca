#include <filesystem>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "session/session.h"

namespace quenor {

int RunListeCommand(const Arguments& args) {
  if (args.size() != 1) return UsageError("la commande liste attend un seul FICHIER.ged");
  ConsoleUi ui;
  SystemClock clock;
  Session session(ui, std::filesystem::current_path().string(), clock);
  return LoadForCommand(session, args[0]);
}

}  // namespace quenor
