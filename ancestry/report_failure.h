#pragma once
// Telling the user that a report file could not be written.
namespace quenor {

class Session;

// A stop message naming the file of report slot `slot`.
void TellReportNotWritten(Session& session, int slot);

}  // namespace quenor
