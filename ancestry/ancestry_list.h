#pragma once
// The ancestry list LstAscd.TXT, written while the probant's ancestor table is
// built.
#include <cstdint>

namespace quenor {

class NamedPersons;
class ReportFile;
class Session;

// Fills session.ancestors for `probant`, writes the ancestry list to report
// slot 3, then checks the table for persons that are their own ancestors
// (the messages are the effect). Returns false, after telling the user, when
// the report file cannot be written. `named` (may be null) learns whose
// names count as the list is written.
bool BuildAncestorTable(Session& session, int32_t probant, NamedPersons* named = nullptr);

// The same in two steps, so that other work may be done while the list is
// flushed to the disk: the table filled and the list written to `file`, not
// yet closed (false, the user told, when it cannot be created); then, once
// `file.Close()` said whether it is `placed`, the user told of a failure or
// the table checked for loops.
bool WriteAncestryList(Session& session, int32_t probant, NamedPersons* named, ReportFile& file);
bool PutAncestryListInPlace(Session& session, bool placed);

}  // namespace quenor
