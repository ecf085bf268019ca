#pragma once
// Completeness and implex of the probant's ancestor table: Stat.TXT and, when
// some ancestor appears more than once, LstRep.TXT.
namespace quenor {

class NamedPersons;
class Session;

// Measures session.ancestors (filled by BuildAncestorTable) and writes report
// slot 2 and, when ancestors repeat, slot 4 (whose content flag it sets and
// whose menu item it enables). Returns false, after telling the user, when a
// report file cannot be written. `named` (may be null) holds what is already
// known of whose names count.
bool WriteAncestryStatistics(Session& session, NamedPersons* named = nullptr);
// The same reports from session.ancestryFigures, measured already.
bool WriteMeasuredStatistics(Session& session);

}  // namespace quenor
