#pragma once
// The ancestry list LstAscd.TXT, written while the probant's ancestor table is
// built.
#include <cstdint>

namespace quenor {

class NamedPersons;
class Session;

// Fills session.ancestors for `probant`, writes the ancestry list to report
// slot 3, then checks the table for persons that are their own ancestors
// (the messages are the effect). Returns false, after telling the user, when
// the report file cannot be written. `named` (may be null) learns whose
// names count as the list is written.
bool BuildAncestorTable(Session& session, int32_t probant, NamedPersons* named = nullptr);

}  // namespace quenor
