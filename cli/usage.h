#pragma once
// The help of quenor-cli, in French: the whole of it (--help) and the usage
// of one command (COMMANDE --help, and after a usage error). A new command
// adds its entry to the table in usage.cpp.
#include <string>
#include <string_view>

namespace quenor {

// The text of "quenor-cli --help".
std::string ProgramHelp();

// The usage of one command: its synopsis and description; empty when the
// command is unknown.
std::string CommandUsage(std::string_view command);

// "Usage : quenor-cli SYNOPSIS" of a command, for the end of a usage error;
// the general hint when the command is unknown.
std::string UsageHint(std::string_view command);

// "-h" and "--help".
bool IsHelpRequest(std::string_view argument);
// "-V" and "--version".
bool IsVersionRequest(std::string_view argument);

// "quenor-cli 3.3".
std::string VersionLine();

}  // namespace quenor
