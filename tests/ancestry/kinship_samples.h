#pragma once
// Files the kinship and consanguinity tests share: a family with loops, and
// the real files whose pairs are checked one against another.
#include <string>

#include <gtest/gtest.h>

namespace quenor::testing {

// Jean (1) is his own grandfather: his son Pierre (2) is the father of his
// father Louis (3). Marc (4), Jean's son, and Luc (7), Marc's son, descend
// from the loop; Lise (8) is her own mother; Paul (5) and Rose (6) have
// nothing to do with it.
inline std::string LoopFile() {
  return "0 HEAD\n1 CHAR ANSI\n"
         "0 @I1@ INDI\n1 NAME Jean /Boucle/\n1 FAMC @F3@\n1 FAMS @F1@\n"
         "0 @I2@ INDI\n1 NAME Pierre /Boucle/\n1 FAMC @F1@\n1 FAMS @F2@\n"
         "0 @I3@ INDI\n1 NAME Louis /Boucle/\n1 FAMC @F2@\n1 FAMS @F3@\n"
         "0 @I4@ INDI\n1 NAME Marc /Boucle/\n1 FAMC @F1@\n1 FAMS @F4@\n"
         "0 @I5@ INDI\n1 NAME Paul /Sain/\n1 FAMC @F5@\n"
         "0 @I6@ INDI\n1 NAME Rose /Sain/\n1 FAMS @F5@\n"
         "0 @I7@ INDI\n1 NAME Luc /Boucle/\n1 FAMC @F4@\n"
         "0 @I8@ INDI\n1 NAME Lise /Soi/\n1 FAMC @F6@\n1 FAMS @F6@\n"
         "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n1 CHIL @I4@\n"
         "0 @F2@ FAM\n1 HUSB @I2@\n1 CHIL @I3@\n"
         "0 @F3@ FAM\n1 HUSB @I3@\n1 CHIL @I1@\n"
         "0 @F4@ FAM\n1 HUSB @I4@\n1 CHIL @I7@\n"
         "0 @F5@ FAM\n1 WIFE @I6@\n1 CHIL @I5@\n"
         "0 @F6@ FAM\n1 WIFE @I8@\n1 CHIL @I8@\n"
         "0 TRLR\n";
}

// Real files of tests/data with pedigree collapse, large and small.
inline auto KinshipRealFiles() {
  return ::testing::Values("royal92.ged", "pres2020.ged", "bourbon.ged", "kennedy.ged", "washington.ged",
                           "555SAMPLE.GED", "TGC551LF.ged", "bach.ged", "bronte.ged", "shakespeare.ged");
}

// A test's name from its file: the name without its extension.
inline std::string FileTestName(const ::testing::TestParamInfo<const char*>& info) {
  const std::string name = info.param;
  return name.substr(0, name.find('.'));
}

}  // namespace quenor::testing
