#pragma once
// The ancestry list LstAscd.TXT, written while the probant's ancestor table is
// built.
#include <cstdint>

namespace quenor {

class Session;

// Fills session.ancestors for `probant`, writes the ancestry list to report
// slot 3, then checks the table for persons that are their own ancestors
// (the messages are the effect). Returns false, after telling the user, when
// the report file cannot be written.
bool BuildAncestorTable(Session& session, int32_t probant);

}  // namespace quenor
