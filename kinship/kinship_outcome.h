#pragma once
// How a kinship search ended.
namespace quenor {

enum class KinshipOutcome {
  NotRun,         // no search since the start
  Unreliable,     // a person is his own ancestor on one side: nothing written
  NoCommonRoot,   // neither a root ancestor nor a descent: nothing written
  RootAncestors,  // LstSouch.TXT and LignCol.TXT written
  Descent,        // LstDesc.TXT written, and OrgDesc.TXT under 100 lines
  NotWritten,     // a report file could not be written (the user was told)
};

}  // namespace quenor
