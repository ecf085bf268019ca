// The desktop entry and the MIME type of GEDCOM files agree with each other.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"

namespace quenor {
namespace {

TEST(DesktopEntry, OpensGedcomFilesWithTheProgram) {
  const std::string entry = testing::ReadBytes(std::string(QUENOR_APP_DIR) + "/quenor.desktop");
  EXPECT_TRUE(entry.starts_with("[Desktop Entry]\n"));
  EXPECT_NE(entry.find("\nExec=quenor %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-gedcom;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=quenor\n"), std::string::npos);

  const std::string mime = testing::ReadBytes(std::string(QUENOR_APP_DIR) + "/quenor-gedcom.xml");
  EXPECT_NE(mime.find("<mime-type type=\"application/x-gedcom\">"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.ged\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.GED\"/>"), std::string::npos);
}

}  // namespace
}  // namespace quenor
