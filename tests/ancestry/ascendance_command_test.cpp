// quenor-cli ascendance FICHIER.ged NUMÉRO: reports in the current directory,
// messages on standard error, exit codes.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/commands.h"
#include "tests/ancestry/pedigree_text.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using testing::DataFile;
using testing::PedigreeText;
using testing::ScratchFolder;

class AscendanceCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    testing::WriteBytes(folder / "petit.ged", PedigreeText()
                                                  .Person(1, "Paul /Martin/", 1)
                                                  .Person(2, "Jean /Martin/")
                                                  .Person(3, "Marie /Durand/")
                                                  .Person(4, "Jacques /Seul/")
                                                  .Family(1, 2, 3)
                                                  .Text());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  int Run(const Arguments& args) {
    ::testing::internal::CaptureStderr();
    const int status = RunAscendanceCommand(args);
    errors = ::testing::internal::GetCapturedStderr();
    return status;
  }
  bool Written(const std::string& name) { return std::filesystem::exists(folder / name); }

  ScratchFolder folder;
  std::string errors;

 private:
  std::filesystem::path previous_;
};

TEST_F(AscendanceCommandTest, UsageErrors) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"petit.ged"}), kExitUsage);
  EXPECT_EQ(Run({"petit.ged", "1", "2"}), kExitUsage);
  EXPECT_EQ(Run({"petit.ged", "1a"}), kExitUsage);
  EXPECT_EQ(Run({"petit.ged", "0"}), kExitUsage);
  EXPECT_FALSE(Written("LstGED.TXT"));
}

TEST_F(AscendanceCommandTest, PersonsThatCannotBeAnalysedAreRefused) {
  EXPECT_EQ(Run({"petit.ged", "77"}), kExitRefused);
  EXPECT_EQ(errors, "77: Le fichier ne contient aucune personne portant ce numéro\n");
  EXPECT_EQ(Run({"petit.ged", "4"}), kExitRefused);
  EXPECT_EQ(errors, "Analyse d'ascendance impossible...: Jacques Seul n'a pas d'ascendants dans le fichier\n");
  EXPECT_TRUE(Written("LstGED.TXT"));
  EXPECT_FALSE(Written("LstAscd.TXT"));
  EXPECT_EQ(Run({"absent.ged", "1"}), kExitRefused);
}

TEST_F(AscendanceCommandTest, AnalysisWritesItsReportsHere) {
  EXPECT_EQ(Run({"petit.ged", "1"}), kExitDone);
  EXPECT_EQ(errors, "");
  EXPECT_TRUE(Written("LstAscd.TXT"));
  EXPECT_TRUE(Written("Stat.TXT"));
  EXPECT_FALSE(Written("LstRep.TXT"));
  EXPECT_NE(testing::ReadBytes(folder / "LstAscd.TXT").find("Fichier d'ascendance de Paul Martin"), std::string::npos);
}

TEST_F(AscendanceCommandTest, RoyalPedigreeWritesTheRepeatedAncestors) {
  EXPECT_EQ(Run({DataFile("royal92.ged").string(), "1"}), kExitDone);
  EXPECT_TRUE(Written("LstRep.TXT"));
  EXPECT_NE(testing::ReadBytes(folder / "LstAscd.TXT").find("Victoria Hanover"), std::string::npos);
}

}  // namespace
}  // namespace quenor
