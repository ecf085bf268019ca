#pragma once
// The commands of quenor-cli. Each takes the arguments that follow its name
// and returns the exit status: 0 done, 1 refused, 2 usage error.
#include <cstdint>
#include <string>
#include <vector>

namespace quenor {

class GedcomIndex;
class Session;

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

using Arguments = std::vector<std::string>;

int RunListeCommand(const Arguments& args);
int RunAscendanceCommand(const Arguments& args);
int RunLiensCommand(const Arguments& args);
int RunConsanguiniteCommand(const Arguments& args);
int RunEventailCommand(const Arguments& args);

// Loads the GEDCOM file as the desktop program does (renumbering included).
// Returns kExitDone or kExitRefused.
int LoadForCommand(Session& session, const std::string& path);

// Reads a strictly positive individual number; false when the text is not one.
bool ParsePersonNumber(const std::string& text, int32_t& number);

// Prints a usage error (UTF-8) on standard error and returns kExitUsage; the
// program then adds the command's usage.
int UsageError(const std::string& message);

}  // namespace quenor
