#pragma once
// The options file QROPT.DAT of the working directory: the one setting kept
// between runs, the check mark of "&Angles inversés".
#include <string>
#include <string_view>

namespace quenor {

constexpr const char* kOptionsFileName = "QROPT.DAT";

struct ProgramOptions {
  bool anglesInverted = false;
};

// The file's content for `options` ("AnglesInverses=1" and a CR LF).
std::string OptionsFileText(const ProgramOptions& options);

// The options read from the file's content; anything unreadable leaves the default.
ProgramOptions ParseOptionsFile(std::string_view text);

}  // namespace quenor
