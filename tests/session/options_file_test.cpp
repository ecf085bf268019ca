#include "session/options_file.h"

#include <gtest/gtest.h>

namespace quenor {
namespace {

TEST(OptionsFile, TheAnglesSettingSurvivesAWriteAndARead) {
  ProgramOptions on;
  on.anglesInverted = true;
  EXPECT_TRUE(ParseOptionsFile(OptionsFileText(on)).anglesInverted);
  EXPECT_FALSE(ParseOptionsFile(OptionsFileText(ProgramOptions())).anglesInverted);
  EXPECT_EQ(OptionsFileText(on), "AnglesInverses=1\r\n");
}

TEST(OptionsFile, AnUnreadableFileGivesTheDefault) {
  EXPECT_FALSE(ParseOptionsFile("").anglesInverted);
  EXPECT_FALSE(ParseOptionsFile("\x01\x02garbage").anglesInverted);
  EXPECT_FALSE(ParseOptionsFile("AnglesInverses=").anglesInverted);
  EXPECT_TRUE(ParseOptionsFile("# options\nAnglesInverses=1").anglesInverted);
}

}  // namespace
}  // namespace quenor
