// quenor-cli liens FICHIER.ged NUMÉRO1 NUMÉRO2: the two persons chosen as the
// selection dialog hands them over, reports in the current directory,
// messages on standard error, the organigram caption on standard output.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/commands.h"
#include "tests/kinship/family_tree.h"
#include "tests/support/test_files.h"

namespace quenor::testing {
namespace {

class LiensCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    FamilyTree tree;
    tree.Person(1, "Jean", "Martin").Person(2, "Marie", "Durand").Person(3, "Paul", "Martin")
        .Person(4, "Anne", "Martin").Person(5, "Emile", "Seul");
    tree.Family(1, 1, 2, {3, 4});
    WriteBytes(folder / "famille.ged", tree.Gedcom());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  int Run(const Arguments& args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = RunLiensCommand(args);
    errors = ::testing::internal::GetCapturedStderr();
    output = ::testing::internal::GetCapturedStdout();
    return status;
  }
  bool Written(const std::string& name) const { return std::filesystem::exists(folder / name); }

  ScratchFolder folder;
  std::string errors;
  std::string output;

 private:
  std::filesystem::path previous_;
};

TEST_F(LiensCommandTest, UsageErrors) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"famille.ged", "1"}), kExitUsage);
  EXPECT_EQ(Run({"famille.ged", "1", "2", "3"}), kExitUsage);
  EXPECT_EQ(Run({"famille.ged", "1", "x"}), kExitUsage);
  EXPECT_EQ(Run({"famille.ged", "0", "3"}), kExitUsage);
  EXPECT_FALSE(Written("LstGED.TXT"));
}

TEST_F(LiensCommandTest, UnknownPersonsAndTheSamePersonTwiceAreRefused) {
  EXPECT_EQ(Run({"famille.ged", "3", "77"}), kExitRefused);
  EXPECT_EQ(errors, "77: Le fichier ne contient aucune personne portant ce numéro\n");
  EXPECT_EQ(Run({"famille.ged", "3", "3"}), kExitRefused);
  EXPECT_EQ(errors, "Saisie inacceptable: La deuxième personne doit être différente de Paul Martin\n");
  EXPECT_TRUE(Written("LstGED.TXT"));
  EXPECT_FALSE(Written("LstSouch.TXT"));
  EXPECT_EQ(Run({"absent.ged", "1", "3"}), kExitRefused);
}

TEST_F(LiensCommandTest, SiblingsGetTheirRootAncestorsAndCollateralLines) {
  EXPECT_EQ(Run({"famille.ged", "3", "4"}), kExitDone);
  EXPECT_EQ(errors, "Résultat de la recherche...: 1 lignées collatérale double relie Paul Martin et Anne Martin\n");
  EXPECT_TRUE(Written("LstSouch.TXT"));
  EXPECT_TRUE(Written("LignCol.TXT"));
  EXPECT_FALSE(Written("OrgDesc.TXT"));
  EXPECT_EQ(output.find("Descente de"), std::string::npos);
  EXPECT_NE(ReadBytes(folder / "LstSouch.TXT").find("Analyse du fichier " + folder.path().string()),
            std::string::npos);
}

TEST_F(LiensCommandTest, ADescentPrintsTheOrganigramCaption) {
  EXPECT_EQ(Run({"famille.ged", "1", "3"}), kExitDone);
  // The carriage return of the message is a line break, the block indented under its caption.
  EXPECT_EQ(errors, "Résultat de la recherche...: Paul Martin descend de Jean Martin\n  et voici la lignée les reliant\n");
  EXPECT_TRUE(Written("LstDesc.TXT"));
  EXPECT_TRUE(Written("OrgDesc.TXT"));
  const std::string caption = "Descente de Jean Martin et Marie Durand sur Paul Martin\n";
  ASSERT_GE(output.size(), caption.size());
  EXPECT_EQ(output.substr(output.size() - caption.size()), caption);
}

TEST_F(LiensCommandTest, PersonsWithoutCommonAncestorsAreAnAnswerNotARefusal) {
  EXPECT_EQ(Run({"famille.ged", "3", "5"}), kExitDone);
  EXPECT_NE(errors.find("ne contient aucune souche commune de Paul Martin et Emile Seul"), std::string::npos);
  EXPECT_FALSE(Written("LstSouch.TXT"));
}

TEST_F(LiensCommandTest, RoyalCousinsAndARoyalDescent) {
  // Victoria and Albert are first cousins; Charles descends from Victoria
  // through Edward VII and through Alice.
  EXPECT_EQ(Run({DataFile("royal92.ged").string(), "1", "2"}), kExitDone);
  EXPECT_NE(ReadBytes(folder / "LstSouch.TXT").find("Liste des 2 ascendants souches de Victoria Hanover et Albert"),
            std::string::npos);
  EXPECT_EQ(Run({DataFile("royal92.ged").string(), "58", "1"}), kExitDone);
  EXPECT_NE(output.find("Descente de Victoria Hanover et Albert Augustus Charles sur Charles Philip Arthur Windsor\n"),
            std::string::npos);
}

TEST_F(LiensCommandTest, NamesFromTheFileCannotDriveTheTerminal) {
  FamilyTree tree;
  tree.Person(1, "Jean\x1B[2J\x1B]0;pirate\x07", "Martin").Person(2, "Paul", "Martin\x90");
  tree.Family(1, 1, 0, {2});
  WriteBytes(folder / "controle.ged", tree.Gedcom());
  EXPECT_EQ(Run({"controle.ged", "2", "1"}), kExitDone);
  for (const std::string& printed : {errors, output}) {
    for (char c : printed) {
      EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << static_cast<int>(c);
    }
  }
  EXPECT_NE(errors.find("Paul Martin\xEF\xBF\xBD descend de Jean\xEF\xBF\xBD[2J"), std::string::npos) << errors;
}

}  // namespace
}  // namespace quenor::testing
