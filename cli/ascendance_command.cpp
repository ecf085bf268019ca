#include "cli/commands.h"

namespace quenor {

int RunAscendanceCommand(const Arguments& args) {
  (void)args;
  return UsageError("la commande ascendance n'est pas encore disponible");
}

}  // namespace quenor
