#pragma once
// The ancestry analysis of the probant chosen in the person selection.
namespace quenor {

class Session;

enum class AncestryOutcome {
  NothingChosen,  // the chosen line holds no individual number: nothing done
  NoAncestors,    // refused: the dialog stays open for another choice, its OK disabled
  Analysed,       // reports written and the ancestry list shown
  ReportFailed,   // a report file could not be written; the user was told
};

// Reads the probant from session.chosenLine, builds the ancestor table with
// its ancestry list, the statistics and the list of repeated ancestors, sets
// the report flags and menus and shows the ancestry list. Except for
// NothingChosen and NoAncestors, the selection is over (selectionMode 0).
AncestryOutcome AnalyseAncestry(Session& session);

}  // namespace quenor
