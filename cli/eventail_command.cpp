#include "cli/commands.h"

namespace quenor {

int RunEventailCommand(const Arguments& args) {
  (void)args;
  return UsageError("la commande eventail n'est pas encore disponible");
}

}  // namespace quenor
