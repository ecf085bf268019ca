// Real descents drawn as the organigram window and its print draw them: no
// name meets another name or a line, with names measured in a model of the
// screen's font and of a wider printer font. Drawn without fitting the
// names, the same descents do overlap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kinship/organigram_name_fit.h"
#include "kinship/organigram_painting.h"
#include "kinship/organigram_print_layout.h"
#include "kinship/organigram_text.h"
#include "tests/kinship/kinship_fixture.h"
#include "tests/kinship/organigram_recording.h"

namespace quenor::testing {
namespace {

constexpr double kScreenCharacter = 0.6;   // of the font's height
constexpr double kPrinterCharacter = 0.65;

class OrganigramOverlapTest : public KinshipTest {
 protected:
  // The organigram of the descent, as the window reads it back.
  OrganigramText Descent(int32_t ancestor, int32_t descendant) {
    EXPECT_EQ(Search(ancestor, descendant), KinshipOutcome::Descent);
    return OrganigramText::Load(session.SlotPath(kSlotOrganigram),
                                session.kinship.organigram.singleLineOrganigram);
  }
  OrganigramNames Names() const {
    const GedcomIndex* index = &session.index;
    return [index](int format, int32_t n) { return PersonName(*index, format, n); };
  }
  std::string Title() const { return session.kinship.organigram.caption; }

  // The names fitted in the screen's font, as the window fits them.
  OrganigramNameFit Fit(const OrganigramText& text) {
    MeasuringSurface screen(11, 14, kScreenCharacter);
    return OrganigramNameFit::Make(text, Names(), screen.Measure(),
                                   OrganigramNameRoom(text, ScreenGeometry(text, 0, 0)));
  }

  std::vector<std::string> ScreenOverlaps(const OrganigramText& text, const OrganigramNameFit* fit) {
    MeasuringSurface screen(11, 14, kScreenCharacter);
    PaintOrganigram(text, Title(), Names(), ScreenGeometry(text, 0, 0), screen, fit);
    return Overlaps(screen, OrganigramText::kLineHeight);
  }

  // The whole drawing printed at 600 dots per inch on one sheet large enough.
  std::vector<std::string> PrintOverlaps(const OrganigramText& text, const OrganigramNameFit* fit) {
    const OrganigramPrintMetrics m = ComputeOrganigramPrintMetrics(text, 1.0, 600, 600, 48000, 48000, fit);
    MeasuringSurface paper(-m.nameHeight, -m.titleHeight, kPrinterCharacter);
    PaintOrganigram(text, Title(), Names(), PrintedPageGeometry(text, m, 1.0, 0, 0), paper, fit);
    return Overlaps(paper, m.lineHeight);
  }
};

TEST_F(OrganigramOverlapTest, RoyalDescentsFromVictoriaGeorgeIIAndSophiaToWilliam) {
  ASSERT_TRUE(LoadData("royal92.ged"));
  for (const auto& [ancestor, descendant] : {std::pair{1, 115}, std::pair{321, 115}, std::pair{736, 115}}) {
    SCOPED_TRACE(std::to_string(ancestor) + " -> " + std::to_string(descendant));
    const OrganigramText text = Descent(ancestor, descendant);
    ASSERT_FALSE(text.Empty());
    const OrganigramNameFit fit = Fit(text);
    EXPECT_EQ(ScreenOverlaps(text, &fit), std::vector<std::string>());
    EXPECT_EQ(PrintOverlaps(text, &fit), std::vector<std::string>());
    // "Elizabeth_II Alexandra Mary" is wider than the room between two bars.
    EXPECT_FALSE(ScreenOverlaps(text, nullptr).empty());
  }
}

// Four lines of fourteen generations from the ancestor, joined two by two
// and then into the last descendant: seventeen generations in all, with long
// given names, long surnames and one surname of a single long word.
FamilyTree DeepDescent() {
  const char* given[] = {"Jean-Baptiste Hyacinthe Marie", "Marie-Madeleine Françoise Éléonore", "Louis",
                         "Anne Charlotte Louise Joséphine"};
  const char* surnames[] = {"de La Rochefoucauld", "Montmorency-Laval-Boisdauphin", "Martin", "d'Aubigné"};
  FamilyTree tree;
  tree.Person(1, "Philippe Auguste", "Capet").Person(2, "Isabelle", "de Hainaut");
  std::vector<int> heads;
  for (int k = 0; k < 4; ++k) {
    const int base = 1000 * (k + 1);
    heads.push_back(base + 1);
    for (int g = 1; g <= 14; ++g) {
      tree.Person(base + g, Cp1252FromUtf8(given[k]), Cp1252FromUtf8(surnames[k]));
      if (g < 14) {
        tree.Person(base + 500 + g, "Conjoint", "Inconnu");
        tree.Family(base + g, base + g, base + 500 + g, {base + g + 1});
      }
    }
  }
  tree.Family(1, 1, 2, heads);
  tree.Person(9001, "Alexandre", "Premier").Person(9002, Cp1252FromUtf8("Béatrice"), "Seconde");
  tree.Person(9003, "Dernier", "Descendant");
  tree.Family(9001, 1014, 2014, {9001}).Family(9002, 3014, 4014, {9002}).Family(9003, 9001, 9002, {9003});
  return tree;
}

TEST_F(OrganigramOverlapTest, ADescentOfSeventeenGenerations) {
  ASSERT_TRUE(Load(DeepDescent()));
  const OrganigramText text = Descent(1, 9003);
  const OrganigramLayout& layout = session.kinship.organigram;
  EXPECT_EQ(layout.generationCount, 17);
  EXPECT_GE(layout.columnCount, 4);
  const OrganigramNameFit fit = Fit(text);
  // A 29-letter surname is wider than the room: every name is drawn smaller.
  EXPECT_LT(fit.FontFactor(), 1.0);
  EXPECT_GT(fit.FontFactor(), 0.7);
  EXPECT_EQ(ScreenOverlaps(text, &fit), std::vector<std::string>());
  EXPECT_EQ(PrintOverlaps(text, &fit), std::vector<std::string>());
  EXPECT_FALSE(ScreenOverlaps(text, nullptr).empty());
  EXPECT_FALSE(PrintOverlaps(text, nullptr).empty());
}

}  // namespace
}  // namespace quenor::testing
