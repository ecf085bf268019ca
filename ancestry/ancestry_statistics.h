#pragma once
// Completeness and implex of the probant's ancestor table: Stat.TXT and, when
// some ancestor appears more than once, LstRep.TXT.
namespace quenor {

class Session;

// Measures session.ancestors (filled by BuildAncestorTable) and writes report
// slot 2 and, when ancestors repeat, slot 4 (whose content flag it sets and
// whose menu item it enables). Returns false, after telling the user, when a
// report file cannot be written.
bool WriteAncestryStatistics(Session& session);

}  // namespace quenor
