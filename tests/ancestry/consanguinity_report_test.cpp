// Consang.TXT after an ancestry analysis, LstConsg.TXT for the whole file,
// and quenor-cli consanguinite: their lines, slots, menus and refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/consanguinity_list.h"
#include "ancestry/consanguinity_report.h"
#include "cli/commands.h"
#include "cli/usage.h"
#include "platform/cp1252.h"
#include "session/gedcom_opening.h"
#include "tests/kinship/family_tree.h"
#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

const std::string kSample = std::string(QUENOR_SAMPLES_DIR) + "/famille-martin.ged";

std::string Rule(std::size_t length) { return std::string(length, '\x97'); }

// A title centred in `width` columns, from its UTF-8 text.
std::string Centred(int width, const std::string& utf8) {
  const std::string text = Cp1252FromUtf8(utf8);
  return Blanks(static_cast<std::size_t>(std::max(0, (width - static_cast<int>(text.size())) / 2))) + text;
}

class ConsanguinityReportTest : public KinshipTest {
 protected:
  AncestryOutcome Analyse(int32_t probant) {
    session.chosenLine = std::to_string(probant);
    session.selectionMode = 1;
    ui.messages.clear();
    return AnalyseAncestry(session);
  }
};

// The guide's example: Jérôme Martin (2), son of the first cousins Benoît
// Martin and Gaëlle Bénard.
TEST_F(ConsanguinityReportTest, TheSampleFamilysConsanguineousSon) {
  ASSERT_EQ(LoadGedcomFile(session, kSample), LoadResult::Loaded);
  ASSERT_EQ(Analyse(2), AncestryOutcome::Analysed);
  EXPECT_TRUE(ui.messages.empty());
  const std::vector<std::string> expected = {
      Centred(100, "Consanguinité de Jérôme Martin  2024-03-15"),
      "",
      Ansi("Coefficient de consanguinité de Jérôme Martin : 6,250 %"),
      "",
      Ansi("Père :       4  Benoît Martin                             consanguinité 0 %"),
      Ansi("Mère :       5  Gaëlle Bénard                             consanguinité 0 %"),
      "",
      Ansi("Coefficient de parenté du père et de la mère : 12,50 %"),
      Ansi("(le coefficient de consanguinité est la moitié du coefficient de parenté des parents)"),
      "",
      Ansi("Liens de parenté du père et de la mère, du plus proche au plus éloigné :"),
      "",
      Ansi("Générations Degré         Degré                             Nombre"),
      "   a     b  civil         canonique                      de lignes  Relation",
      Rule(4) + "  " + Rule(4) + "  " + Rule(12) + "  " + Rule(19) + "  " + Rule(19) + "  " + Rule(60),
      Ansi("   2     2  4e degré      2e degré                               1  Benoît Martin, cousin germain de Gaëlle Bénard"),
      Blanks(68) + Ansi("Gaëlle Bénard, cousine germaine de Benoît Martin"),
      Blanks(68) + Ansi("par 16 Pierre Martin et 17 Adélaïde Roux"),
      "",
      Ansi("Les 2 ascendants communs les plus proches du père et de la mère :"),
      "",
      Ansi("# Enrg.  Nom                                        Génération   Génération         Nombre"),
      Ansi("                                                   par le père  par la mère      de lignes"),
      Rule(7) + "  " + Rule(40) + "  " + Rule(11) + "  " + Rule(11) + "  " + Rule(13),
      "     16  Pierre Martin                                       4            4              1",
      Ansi("     17  Adélaïde Roux                                       4            4              1"),
  };
  EXPECT_EQ(Lines("Consang.TXT"), expected);
  EXPECT_TRUE(session.slots[kSlotConsanguinity].hasContent);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::AscConsang));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubAscConsang));
  // The ancestry list is the report shown, as before.
  EXPECT_TRUE(session.slots[kSlotAncestryList].shown);

  // Her daughter Zoé's parents are not related.
  ASSERT_EQ(Analyse(1), AncestryOutcome::Analysed);
  const std::vector<std::string> zoe = Lines("Consang.TXT");
  ASSERT_EQ(zoe.size(), 11u);
  EXPECT_EQ(zoe[4], Ansi("Père :       2  Jérôme Martin                             consanguinité 6,250 %"));
  EXPECT_EQ(zoe[7], Ansi("Coefficient de parenté du père et de la mère : 0 %"));
  EXPECT_EQ(zoe[10], Ansi("Le père et la mère n'ont aucun ascendant commun connu dans le fichier."));
}

TEST_F(ConsanguinityReportTest, AnUnknownParentMakesNoLink) {
  FamilyTree tree;
  tree.Person(1, "Anne", "Martin").Person(2, "Marie", "Martin").Family(1, 0, 2, {1});
  ASSERT_TRUE(Load(tree));
  ASSERT_EQ(Analyse(1), AncestryOutcome::Analysed);
  const std::vector<std::string> lines = Lines("Consang.TXT");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], Centred(100, "Consanguinité d'Anne Martin  2024-03-15"));
  EXPECT_EQ(lines[4], Ansi("Père : inconnu"));
  EXPECT_EQ(lines[5], Ansi("Mère :       2  Marie Martin                              consanguinité 0 %"));
  EXPECT_EQ(lines[7], Ansi("Un parent inconnu ne compte pour aucun lien de parenté : le coefficient est nul."));
}

// Jean (1) is his own grandfather through Pierre (2) and Louis (3); Marc (4)
// is Jean's son.
std::string LoopFile() {
  return "0 HEAD\n1 CHAR ANSI\n"
         "0 @I1@ INDI\n1 NAME Jean /Boucle/\n1 FAMC @F3@\n1 FAMS @F1@\n"
         "0 @I2@ INDI\n1 NAME Pierre /Boucle/\n1 FAMC @F1@\n1 FAMS @F2@\n"
         "0 @I3@ INDI\n1 NAME Louis /Boucle/\n1 FAMC @F2@\n1 FAMS @F3@\n"
         "0 @I4@ INDI\n1 NAME Marc /Boucle/\n1 FAMC @F1@\n"
         "0 @I5@ INDI\n1 NAME Paul /Sain/\n1 FAMC @F4@\n"
         "0 @I6@ INDI\n1 NAME Rose /Sain/\n1 FAMS @F4@\n1 FAMC @F5@\n"
         "0 @I7@ INDI\n1 NAME Luc /Sain/\n1 FAMS @F4@\n1 FAMC @F5@\n"
         "0 @I8@ INDI\n1 NAME Ida /Sain/\n1 FAMS @F5@\n"
         "0 @I9@ INDI\n1 NAME Max /Sain/\n1 FAMS @F5@\n"
         "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n1 CHIL @I4@\n"
         "0 @F2@ FAM\n1 HUSB @I2@\n1 CHIL @I3@\n"
         "0 @F3@ FAM\n1 HUSB @I3@\n1 CHIL @I1@\n"
         "0 @F4@ FAM\n1 HUSB @I7@\n1 WIFE @I6@\n1 CHIL @I5@\n"
         "0 @F5@ FAM\n1 HUSB @I9@\n1 WIFE @I8@\n1 CHIL @I6@\n1 CHIL @I7@\n"
         "0 TRLR\n";
}

TEST_F(ConsanguinityReportTest, AProbantDescendingFromAnOwnAncestorIsRefusedByName) {
  ASSERT_TRUE(LoadText(LoopFile()));
  ASSERT_EQ(Analyse(5), AncestryOutcome::Analysed);
  ASSERT_TRUE(session.menus.Enabled(MenuItem::AscConsang));
  // The ancestry reports are written as they always were, with their warnings.
  ASSERT_EQ(Analyse(4), AncestryOutcome::Analysed);
  ASSERT_GE(ui.messages.size(), 1u);
  const RecordedMessage& refusal = ui.messages.back();
  EXPECT_EQ(refusal.caption, Ansi("Fichier GEDCOM erroné"));
  EXPECT_EQ(refusal.icon, MessageIcon::Stop);
  EXPECT_EQ(refusal.text.substr(0, 62), Ansi("Le coefficient de consanguinité de Marc Boucle ne peut être calculé :\n").substr(0, 62));
  EXPECT_NE(refusal.text.find(Ansi(" Boucle est son propre ascendant dans le fichier GEDCOM.")), std::string::npos);
  EXPECT_FALSE(session.slots[kSlotConsanguinity].hasContent);
  EXPECT_FALSE(session.menus.Enabled(MenuItem::AscConsang));
  EXPECT_TRUE(session.slots[kSlotStatistics].hasContent);
}

TEST_F(ConsanguinityReportTest, TheWholeFileListsTheConsanguineousAndSetsApartTheUndefined) {
  ASSERT_TRUE(LoadText(LoopFile()));
  ASSERT_TRUE(ListConsanguinity(session));
  const std::vector<std::string> lines = Lines("LstConsg.TXT");
  const std::vector<std::string> expected = {
      AnalysisTitleLine(110),
      "",
      Centred(110, "Coefficients de consanguinité : 1 individu consanguin sur 9, le plus élevé 25,00 %, 4 sans coefficient"),
      "",
      Ansi("# Enrg.  Nom                                       Consanguinité  Parents"),
      Rule(7) + "  " + Rule(40) + "  " + Rule(13) + "  " + Rule(56),
      "      5  Paul Sain                                       25,00 %  Luc Sain et Rose Sain",
      "",
      Ansi("Coefficient indéterminé pour 4 individus : une personne qui est son propre ascendant n'a pas de "
           "coefficient, ni aucun de ses descendants."),
      "",
      "# Enrg.  Nom                                       Cause",
      Rule(7) + "  " + Rule(40) + "  " + Rule(56),
      "      1  Jean Boucle                               son propre ascendant",
      "      2  Pierre Boucle                             son propre ascendant",
      "      3  Louis Boucle                              son propre ascendant",
  };
  ASSERT_GE(lines.size(), expected.size() + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
  EXPECT_NE(lines[15].find("      4  Marc Boucle                               descend de "), std::string::npos);
  EXPECT_TRUE(session.slots[kSlotConsanguinityList].hasContent);
  ASSERT_FALSE(ui.shownReports.empty());
  EXPECT_EQ(ui.shownReports.back(), std::make_pair(static_cast<int>(kSlotConsanguinityList), 6));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
  EXPECT_NE(ui.messages[0].text.find(Ansi("de 4 individus ne peut être calculé")), std::string::npos);
}

TEST_F(ConsanguinityReportTest, AFileWithoutConsanguinitySaysSo) {
  FamilyTree tree;
  tree.Person(1, "Anne", "Martin").Person(2, "Jean", "Martin").Person(3, "Marie", "Roux").Family(1, 2, 3, {1});
  ASSERT_TRUE(Load(tree));
  ASSERT_TRUE(ListConsanguinity(session));
  const std::vector<std::string> lines = Lines("LstConsg.TXT");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2], Centred(110, "Coefficients de consanguinité : aucun individu consanguin parmi les 3 individus du fichier"));
  EXPECT_TRUE(ui.messages.empty());

  ASSERT_TRUE(LoadText("0 HEAD\n1 CHAR ANSI\n0 TRLR\n"));
  ASSERT_TRUE(ListConsanguinity(session));
  EXPECT_EQ(Lines("LstConsg.TXT")[2], Centred(110, "Coefficients de consanguinité : le fichier ne contient aucun individu"));
}

TEST_F(ConsanguinityReportTest, ALoadForgetsTheNewReports) {
  ASSERT_EQ(LoadGedcomFile(session, kSample), LoadResult::Loaded);
  ASSERT_EQ(Analyse(2), AncestryOutcome::Analysed);
  ASSERT_TRUE(ListConsanguinity(session));
  ASSERT_EQ(LoadGedcomFile(session, kSample), LoadResult::Loaded);
  for (const int slot : {kSlotKinshipDegrees, kSlotConsanguinity, kSlotConsanguinityList}) {
    EXPECT_FALSE(session.slots[slot].hasContent) << slot;
    EXPECT_FALSE(session.slots[slot].shown) << slot;
  }
  EXPECT_FALSE(session.menus.Enabled(MenuItem::AscConsang));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensDegres));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubGEDConsang));
}

class ConsanguiniteCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    WriteBytes(folder / "boucle.ged", LoopFile());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  int Run(const Arguments& args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = RunConsanguiniteCommand(args);
    errors = ::testing::internal::GetCapturedStderr();
    ::testing::internal::GetCapturedStdout();
    return status;
  }
  bool Written(const std::string& name) const { return std::filesystem::exists(folder / name); }

  ScratchFolder folder;
  std::string errors;

 private:
  std::filesystem::path previous_;
};

TEST_F(ConsanguiniteCommandTest, UsageErrorsAndUnknownPersons) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"boucle.ged", "1", "2"}), kExitUsage);
  EXPECT_EQ(Run({"boucle.ged", "x"}), kExitUsage);
  EXPECT_FALSE(Written("LstGED.TXT"));
  EXPECT_EQ(Run({"boucle.ged", "77"}), kExitRefused);
  EXPECT_EQ(errors, "77: Le fichier ne contient aucune personne portant ce numéro\n");
  EXPECT_EQ(Run({"absent.ged"}), kExitRefused);
  EXPECT_EQ(CommandUsage("consanguinite").rfind("Usage : quenor-cli consanguinite FICHIER.ged [NUMÉRO]\n", 0), 0u);
  EXPECT_NE(ProgramHelp().find("LstConsg.TXT"), std::string::npos);
}

TEST_F(ConsanguiniteCommandTest, TheWholeFileThenOnePerson) {
  EXPECT_EQ(Run({"boucle.ged"}), kExitDone);
  EXPECT_TRUE(Written("LstConsg.TXT"));
  EXPECT_FALSE(Written("Consang.TXT"));
  EXPECT_NE(errors.find("ne peut être calculé"), std::string::npos);
  EXPECT_EQ(Run({"boucle.ged", "5"}), kExitDone);
  EXPECT_NE(ReadBytes(folder / "Consang.TXT").find(Cp1252FromUtf8("Coefficient de consanguinité de Paul Sain : 25,00 %")),
            std::string::npos);
  std::filesystem::remove(folder / "Consang.TXT");
  EXPECT_EQ(Run({"boucle.ged", "4"}), kExitRefused);
  EXPECT_FALSE(Written("Consang.TXT"));
  EXPECT_NE(errors.find("Marc Boucle ne peut être calculé"), std::string::npos);
}

TEST_F(ConsanguiniteCommandTest, AscendanceWritesTheProbantsConsanguinity) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunAscendanceCommand({"boucle.ged", "5"}), kExitDone);
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(Written("Consang.TXT"));
}

}  // namespace
}  // namespace quenor::testing
