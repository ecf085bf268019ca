// quenor-cli eventail: the built program run in a scratch folder: the
// analysis it runs first, its outputs, the limits it brings values back to
// and the usage errors.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "platform/cp1252.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using namespace literals;
using testing::DataFile;
using testing::ReadBytes;
using testing::ScratchFolder;

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class EventailCommandTest : public ::testing::Test {
 protected:
  // Runs quenor-cli eventail on royal92.ged and `person` with `options`.
  int Eventail(const std::string& person, const std::string& options) {
    const std::string command = "cd " + Quoted(folder.path().string()) + " && TMPDIR=" +
                                Quoted(folder.path().string()) + " " + Quoted(QUENOR_CLI) + " eventail " +
                                Quoted(DataFile("royal92.ged").string()) + " " + person + " " + options +
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
#else
TEST_F(EventailCommandTest, WithoutQtOnlyTheScriptIsOffered) {
  EXPECT_EQ(Eventail("115", "--pdf pages.pdf"), 2);
}
#endif

}  // namespace
}  // namespace quenor
