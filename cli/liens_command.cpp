#include "cli/commands.h"

namespace quenor {

int RunLiensCommand(const Arguments& args) {
  (void)args;
  return UsageError("la commande liens n'est pas encore disponible");
}

}  // namespace quenor
