#pragma once
// Commands run through the shell by the tests that check built programs.
#include <string>

namespace quenor::testing {

// The text in single quotes, as one shell word.
std::string ShellQuoted(const std::string& text);

struct ShellRun {
  int exitCode = -1;   // -1 when the command did not end normally
  std::string output;  // standard output, then standard error when asked
};

// Runs the command with /bin/sh and gathers what it prints on standard output
// (append "2>&1" to gather standard error too).
ShellRun RunShell(const std::string& command);

}  // namespace quenor::testing
