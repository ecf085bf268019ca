// quenor-cli eventail, and the pictures of quenor-cli ascendance: the built
// program run in a scratch folder: the analysis it runs first, its outputs,
// the limits it brings values back to and the usage errors.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "platform/cp1252.h"
#include "tests/support/shell_command.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using namespace literals;
using testing::DataFile;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::ShellQuoted;

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class EventailCommandTest : public ::testing::Test {
 protected:
  // Runs quenor-cli eventail on royal92.ged and `person` with `options`.
  int Eventail(const std::string& person, const std::string& options) { return Run("eventail", person, options); }

  // Runs quenor-cli `name` on royal92.ged and `person` with `options`.
  int Run(const std::string& name, const std::string& person, const std::string& options) {
    const std::string command = "cd " + ShellQuoted(folder.path().string()) + " && TMPDIR=" +
                                ShellQuoted(folder.path().string()) + " " + ShellQuoted(QUENOR_CLI) + " " + name + " " +
                                ShellQuoted(DataFile("royal92.ged").string()) + " " + person + " " + options +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    err = ReadBytes(folder / "stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  ScratchFolder folder;
  std::string err;
};

TEST_F(EventailCommandTest, TheScriptFollowsTheAnalysisOfTheProbant) {
  ASSERT_EQ(Eventail("115", "--script e.scr --texte 'Ancêtres du prince' --note 'Première ligne' --note ''"), 0);
  EXPECT_NE(ReadBytes(folder / "LstAscd.TXT").find("Fichier d'ascendance de William"), std::string::npos);
  const std::string script = ReadBytes(folder / "e.scr");
  EXPECT_TRUE(script.starts_with("limits\r\n-12.52000,-1.00000\r\n"));  // six generations by default
  EXPECT_EQ(Count(script, "0\r\nAncêtres du prince\r\n"_ansi), 9);
  EXPECT_NE(script.find("0\r\nPremière ligne\r\n"_ansi), std::string::npos);
  EXPECT_EQ(Count(script, "text\r\ns\r\nPetitNorm\r\n"), 7);  // legend and the two note lines
  EXPECT_NE(script.find("\r\nCharles\r\n"), std::string::npos);
}

TEST_F(EventailCommandTest, TheDefaultProbantLineNamesTheProbant) {
  ASSERT_EQ(Eventail("115", "--script e.scr"), 0);
  EXPECT_NE(ReadBytes(folder / "e.scr").find("0\r\nAncêtres de William Arthur Philip Windsor\r\n"_ansi),
            std::string::npos);
}

TEST_F(EventailCommandTest, OutOfRangeValuesAreBroughtToTheirLimits) {
  ASSERT_EQ(Eventail("115", "--script e.scr --generations 2 --echelle 7"), 0);
  const std::string script = ReadBytes(folder / "e.scr");
  EXPECT_TRUE(script.starts_with("limits\r\n-15.04000,-2.00000\r\n"));  // 4 generations, scale 2.00
  EXPECT_NE(script.find("\r\n15\r\n"), std::string::npos);
  EXPECT_EQ(script.find("\r\n16\r\n"), std::string::npos);
  ASSERT_EQ(Eventail("115", "--script f.scr --generations 99 --echelle abc"), 0);
  EXPECT_TRUE(ReadBytes(folder / "f.scr").starts_with("limits\r\n-9.00600,-0.30000\r\n"));  // 12, scale 0.30
}

TEST_F(EventailCommandTest, UsageErrorsAndRefusals) {
  EXPECT_EQ(Eventail("115", ""), 2);  // no output asked for
  EXPECT_EQ(Eventail("115", "--script e.scr --note 1 --note 2 --note 3 --note 4 --note 5"), 2);
  EXPECT_EQ(Eventail("115", "--script e.scr --couleur rouge"), 2);
  EXPECT_EQ(Eventail("115", "--script"), 2);
  EXPECT_EQ(Eventail("abc", "--script e.scr"), 2);
  EXPECT_EQ(Eventail("9999999", "--script e.scr"), 1);
  EXPECT_EQ(Eventail("115", "--script absent/e.scr"), 1);
  EXPECT_NE(err.find("Impossible de créer le fichier de commandes"), std::string::npos);
}

#ifdef QUENOR_CLI_DRAWS
TEST_F(EventailCommandTest, PdfPagesPosterAndSvg) {
  ASSERT_EQ(Eventail("115", "--pdf pages.pdf --papier A4 --svg chart.svg"), 0) << err;
  const std::string pages = ReadBytes(folder / "pages.pdf");
  EXPECT_TRUE(pages.starts_with("%PDF"));
  EXPECT_EQ(Count(pages, "/Type /Page\n") + Count(pages, "/Type /Page\r") + Count(pages, "/Type /Page "), 8);
  EXPECT_NE(ReadBytes(folder / "chart.svg").find("<svg"), std::string::npos);
  ASSERT_EQ(Eventail("115", "--pdf poster.pdf --affiche"), 0) << err;
  EXPECT_TRUE(ReadBytes(folder / "poster.pdf").starts_with("%PDF"));
  EXPECT_EQ(Eventail("115", "--pdf x.pdf --papier Parchemin"), 1);
}

// The width and height that a PNG file's header gives.
std::pair<int, int> PngSize(const std::string& png) {
  if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
  const auto at = [&](std::size_t i) {
    return (static_cast<unsigned char>(png[i]) << 24) | (static_cast<unsigned char>(png[i + 1]) << 16) |
           (static_cast<unsigned char>(png[i + 2]) << 8) | static_cast<unsigned char>(png[i + 3]);
  };
  return {static_cast<int>(at(16)), static_cast<int>(at(20))};
}

TEST_F(EventailCommandTest, ColoursAreAddedToThePicturesOnlyWhenAskedFor) {
  ASSERT_EQ(Eventail("58", "--svg plain.svg --script plain.scr"), 0) << err;
  ASSERT_EQ(Eventail("58", "--svg none.svg --couleurs aucune"), 0) << err;
  EXPECT_EQ(ReadBytes(folder / "none.svg"), ReadBytes(folder / "plain.svg"));
  ASSERT_EQ(Eventail("58", "--svg lineage.svg --couleurs lignee --script lineage.scr"), 0) << err;
  ASSERT_EQ(Eventail("58", "--svg generation.svg --couleurs génération"), 0) << err;
  const std::string plain = ReadBytes(folder / "plain.svg"), lineage = ReadBytes(folder / "lineage.svg");
  EXPECT_EQ(Count(plain, "fill=\"#a0c8e4\""), 0);
  EXPECT_GT(Count(lineage, "fill=\"#a0c8e4\""), 0);  // the father's father's quarter
  EXPECT_GT(Count(lineage, "fill=\"#f4b4c4\""), 0);  // the mother's mother's
  EXPECT_NE(ReadBytes(folder / "generation.svg"), lineage);
  // The AutoCAD script knows nothing of colours.
  EXPECT_EQ(ReadBytes(folder / "lineage.scr"), ReadBytes(folder / "plain.scr"));
  EXPECT_EQ(Eventail("58", "--svg x.svg --couleurs rouge"), 2);
  EXPECT_NE(err.find("couleurs inconnues : rouge"), std::string::npos);
}

TEST_F(EventailCommandTest, TheAncestryCommandDrawsItsChartAtTheSizeAskedFor) {
  ASSERT_EQ(Run("ascendance", "52", "--graphique chart.png --taille 900x600"), 0) << err;
  EXPECT_EQ(PngSize(ReadBytes(folder / "chart.png")), std::make_pair(900, 600));
  EXPECT_TRUE(ReadBytes(folder / "Stat.TXT").size() > 1000);  // the reports as without the chart
  ASSERT_EQ(Run("ascendance", "52", "--graphique chart.png"), 0) << err;
  EXPECT_EQ(PngSize(ReadBytes(folder / "chart.png")), std::make_pair(1600, 1000));
  ASSERT_EQ(Run("ascendance", "52", "--graphique chart.svg"), 0) << err;
  const std::string svg = ReadBytes(folder / "chart.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("Elizabeth"), std::string::npos);
  EXPECT_EQ(Run("ascendance", "52", "--graphique chart.gif"), 2);
  EXPECT_EQ(Run("ascendance", "52", "--graphique c.png --taille 0x600"), 2);
  EXPECT_EQ(Run("ascendance", "52", "--graphique c.png --taille 900"), 2);
  EXPECT_EQ(Run("ascendance", "52", "--taille 900x600"), 2);
  EXPECT_EQ(Run("ascendance", "52", "--graphique absent/c.png"), 1);
  EXPECT_NE(err.find("Impossible d'écrire le fichier"), std::string::npos);
}
#else
TEST_F(EventailCommandTest, WithoutQtOnlyTheScriptIsOffered) {
  EXPECT_EQ(Eventail("115", "--pdf pages.pdf"), 2);
}
#endif

}  // namespace
}  // namespace quenor
