// quenor-cli: the analyses of the desktop program, without windows. Reports
// are written into the current directory, as the program does.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/terminal.h"
#include "cli/usage.h"
#include "platform/large_page_blocks.h"

namespace {

using Command = int (*)(const quenor::Arguments&);

Command CommandNamed(const std::string& name) {
  static const struct {
    const char* name;
    Command run;
  } kCommands[] = {{"liste", quenor::RunListeCommand},
                   {"ascendance", quenor::RunAscendanceCommand},
                   {"liens", quenor::RunLiensCommand},
                   {"consanguinite", quenor::RunConsanguiniteCommand},
                   {"eventail", quenor::RunEventailCommand}};
  for (const auto& command : kCommands) {
    if (name == command.name) return command.run;
  }
  return nullptr;
}

// "quenor-cli aide [COMMANDE]": the whole help, or the usage of a command.
int Help(const quenor::Arguments& args) {
  const std::string usage = args.empty() ? std::string() : quenor::CommandUsage(args[0]);
  quenor::PrintUtf8(stdout, usage.empty() ? quenor::ProgramHelp() : usage);
  return quenor::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  if (argc < 2) {
    quenor::PrintUtf8(stderr, quenor::ProgramHelp());
    return quenor::kExitUsage;
  }
  const std::string name = argv[1];
  const quenor::Arguments args(argv + 2, argv + argc);
  if (quenor::IsHelpRequest(name) || name == "aide") return Help(args);
  if (quenor::IsVersionRequest(name)) {
    quenor::PrintUtf8(stdout, quenor::VersionLine());
    return quenor::kExitDone;
  }
  const Command command = CommandNamed(name);
  if (!command) {
    quenor::UsageError("commande inconnue : " + name);
    quenor::PrintUtf8(stderr, quenor::UsageHint(name));
    return quenor::kExitUsage;
  }
  if (!args.empty() && quenor::IsHelpRequest(args[0])) return Help({name});
  const int status = command(args);
  if (status == quenor::kExitUsage) quenor::PrintUtf8(stderr, quenor::UsageHint(name));
  return status;
}
