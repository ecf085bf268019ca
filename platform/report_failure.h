#pragma once
// Telling the user that a report file could not be written.
#include <string>

namespace quenor {

class UserInterface;

// A stop message naming the report file at `path` (UTF-8).
void TellReportNotWritten(UserInterface& ui, const std::string& path);

}  // namespace quenor
