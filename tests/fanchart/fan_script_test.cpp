// The AutoCAD script: number format, header, grid, titles, legend, note,
// codes for 4, 6, 11 and 12 generations and a scale of 0.5, the ancestor
// texts, and the failures the user is told of.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <regex>
#include <string>

#include "fanchart/fan_script.h"
#include "fanchart/script_ancestor_texts.h"
#include "platform/cp1252.h"
#include "tests/fanchart/fan_test_support.h"
#include "tests/support/session_fixture.h"

namespace quenor::testing {
namespace {

using namespace literals;

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

std::string Frame(int generations, float scale, std::vector<std::string> note = {""}) {
  FanScriptSettings settings;
  settings.generations = generations;
  settings.scale = scale;
  settings.probantLine = "Ancêtres de Jean Dupont"_ansi;
  settings.note = std::move(note);
  settings.today = {2024, 3, 15};
  ScriptOutput out;
  out.CaptureInMemory();
  WriteScriptFrame(out, settings);
  return out.Captured();
}

// The codes written for generation-independent checks: "text\r\ns\r\nSimplexNN".
int CodeCount(const std::string& script) {
  return Count(script, "text\r\ns\r\nSimplex05\r\n") + Count(script, "text\r\ns\r\nSimplex06\r\n");
}

TEST(ScriptNumbers, FixedPointWithFiveDecimalsWhateverTheLocale) {
  EXPECT_EQ(FormatScriptReal(12.52f), "12.52000");
  EXPECT_EQ(FormatScriptReal(0.5), "0.50000");
  EXPECT_EQ(FormatScriptReal(-0.0), "-0.00000");
  EXPECT_EQ(FormatScriptReal(-1.2e-7), "-0.00000");
  EXPECT_EQ(FormatScriptReal(0.000005), "0.00001");
  EXPECT_EQ(FormatScriptReal(123456.0), "123456.00000");
  if (std::setlocale(LC_ALL, "fr_FR.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8")) {
    EXPECT_EQ(FormatScriptReal(2.5), "2.50000");
    std::setlocale(LC_ALL, "C");
  }
}

TEST(ScriptOutputTest, EveryLineEndsWithCarriageReturnAndLineFeed) {
  const std::string script = Frame(6, 1.0f);
  EXPECT_EQ(Count(script, "\n"), Count(script, "\r\n"));
  EXPECT_TRUE(script.starts_with("limits\r\n"));
}

TEST(ScriptFrame, SixGenerationsAtFullScale) {
  const std::string script = Frame(6, 1.0f);
  EXPECT_TRUE(script.starts_with("limits\r\n-12.52000,-1.00000\r\n12.52000,12.52000\r\nblipmode\r\noff\r\nzoom\r\na\r\n"
                                 "style\r\nGros\r\nGOTHICE\r\n0\r\n1\r\n15\r\nN\r\nN\r\nN\r\n"));
  EXPECT_NE(script.find("style\r\nSimplex05\r\nSIMPLEX\r\n0.05000\r\n.55\r\n0\r\nN\r\nN\r\nN\r\n"
                        "style\r\nSimplex06\r\nSIMPLEX\r\n0.06000\r\n.55\r\n0\r\nN\r\nN\r\nN\r\n"
                        "layer\r\nm\r\nGrille\r\nc\r\n15\r\n\r\n\r\n"),
            std::string::npos);
  // separators for boundaries 1 to 4, all wide polylines
  EXPECT_EQ(Count(script, "pline\r\n") - 2, 1 + 2 + 4 + 8);
  EXPECT_EQ(Count(script, "\r\nline\r\n"), 0);
  EXPECT_NE(script.find("pline\r\n-0.00000,2.50000\r\nw\r\n0.03200\r\n0.03200\r\n-0.00000,12.50000\r\n\r\n"),
            std::string::npos);
  for (const char* r : {"2.50000", "5.00000", "7.50000", "10.00000"})
    EXPECT_NE(script.find(std::string("arc\r\nc\r\n0,0\r\n") + r + ",0\r\n-" + r + ",0\r\n"), std::string::npos) << r;
  EXPECT_NE(script.find("pline\r\n12.50000,0\r\nw\r\n0.04000\r\n0.04000\r\na\r\nce\r\n0,0\r\n-12.50000,0\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(script.find("pline\r\n-12.52000,-0.02000\r\nw\r\n0.04000\r\n0.04000\r\n12.52000,-0.02000\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(CodeCount(script), 62);
  EXPECT_NE(script.find("\r\n63\r\n"), std::string::npos);
  EXPECT_EQ(script.find("\r\n64\r\n"), std::string::npos);
}

TEST(ScriptFrame, FourGenerations) {
  const std::string script = Frame(4, 1.0f);
  EXPECT_NE(script.find("limits\r\n-7.52000,-1.00000\r\n7.52000,7.52000\r\n"), std::string::npos);
  EXPECT_EQ(Count(script, "pline\r\n") - 2, 3);
  EXPECT_EQ(Count(script, "arc\r\nc\r\n"), 2);
  EXPECT_NE(script.find("pline\r\n7.50000,0\r\nw\r\n"), std::string::npos);
  EXPECT_EQ(CodeCount(script), 14);
  // legend at x = 3.75 - 4 * 2.5, note at its mirror
  EXPECT_NE(script.find("text\r\ns\r\nPetitNorm\r\nm\r\n-6.25000,-0.20000\r\n0.06000\r\n0\r\n"
                        "Chaque case constitue un mariage et contient:\r\n"),
            std::string::npos);
  EXPECT_NE(script.find("Produit le 2024-03-15 par le logiciel Quenor.\r\n"), std::string::npos);
}

TEST(ScriptFrame, ElevenGenerationsUsePlainLinesFromTheSixthBoundary) {
  const std::string script = Frame(11, 1.0f);
  EXPECT_EQ(Count(script, "pline\r\n") - 2, 31);               // boundaries 1 to 5
  EXPECT_EQ(Count(script, "\r\nline\r\n"), 32 + 64 + 128 + 256);  // boundaries 6 to 9
  EXPECT_EQ(Count(script, "arc\r\nc\r\n"), 9);
  EXPECT_NE(script.find("pline\r\n25.00000,0\r\nw\r\n"), std::string::npos);
  EXPECT_EQ(CodeCount(script), 2046);
}

TEST(ScriptFrame, TwelveGenerationsSkipTheEleventhCircle) {
  const std::string script = Frame(12, 1.0f);
  EXPECT_EQ(Count(script, "pline\r\n") - 2 + Count(script, "\r\nline\r\n"), 1023);  // boundaries 1 to 10
  EXPECT_EQ(Count(script, "arc\r\nc\r\n"), 10);
  EXPECT_EQ(script.find("27.50000,0"), std::string::npos);
  EXPECT_NE(script.find("pline\r\n30.00000,0\r\nw\r\n"), std::string::npos);
  EXPECT_EQ(CodeCount(script), 4094);
  // the generation-12 codes alternate between the two radii
  const std::regex code("text\r\ns\r\nSimplex05\r\nm\r\n(-?[0-9.]+),(-?[0-9.]+)\r\n(-?[0-9.]+)\r\n(20[45][0-9]|409[0-5])\r\n");
  int checked = 0;
  for (auto it = std::sregex_iterator(script.begin(), script.end(), code); it != std::sregex_iterator(); ++it) {
    const int k = std::stoi((*it)[4]);
    if (k < 2048) continue;
    const double r = std::hypot(std::stod((*it)[1]), std::stod((*it)[2]));
    const bool outer = (k % 2 == 0) == (k < 3072);
    EXPECT_NEAR(r, outer ? 29.92 : 25.08, 0.0002) << k;
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

TEST(ScriptFrame, HalfScaleHalvesLengthsButNotAngles) {
  const std::string full = Frame(6, 1.0f);
  const std::string half = Frame(6, 0.5f);
  EXPECT_TRUE(half.starts_with("limits\r\n-6.26000,-0.50000\r\n6.26000,6.26000\r\n"));
  EXPECT_NE(half.find("style\r\nSimplex06\r\nSIMPLEX\r\n0.03000\r\n"), std::string::npos);
  EXPECT_NE(half.find("style\r\nSimplex05\r\nSIMPLEX\r\n0.02500\r\n"), std::string::npos);
  EXPECT_NE(half.find("pline\r\n6.25000,0\r\nw\r\n0.02000\r\n0.02000\r\n"), std::string::npos);
  // the probant line: height 0.4 s, middle point (0, -0.4 s)
  EXPECT_NE(half.find("text\r\ns\r\nGros\r\nm\r\n0,-0.20000\r\n0.20000\r\n0\r\n"), std::string::npos);
  // the same rotation for the first code in both
  const std::regex firstCode("Simplex06\r\nm\r\n(-?[0-9.]+),(-?[0-9.]+)\r\n(-?[0-9.]+)\r\n2\r\n");
  std::smatch a, b;
  ASSERT_TRUE(std::regex_search(full, a, firstCode));
  ASSERT_TRUE(std::regex_search(half, b, firstCode));
  EXPECT_EQ(a[3], b[3]);
  EXPECT_NEAR(std::stod(b[1]) * 2, std::stod(a[1]), 0.00002);
}

TEST(ScriptFrame, SideTitlesWriteEveryCharacterNineTimes) {
  const std::string script = Frame(6, 1.0f);
  EXPECT_EQ(Count(script, "text\r\ns\r\nGros\r\nm\r\n") , 2 * 21 * 9 + 9);
  const std::regex blank("text\r\ns\r\nGros\r\nm\r\n[-0-9.]+,[-0-9.]+\r\n0.35000\r\n[-0-9.]+\r\n \r\n");
  const auto blanks = std::distance(std::sregex_iterator(script.begin(), script.end(), blank), std::sregex_iterator());
  EXPECT_EQ(blanks, 18);
  EXPECT_EQ(Count(script, "layer\r\nm\r\nGen1Titre\r\nc\r\n1\r\n\r\n\r\n"), 1);
  EXPECT_EQ(Count(script, "0\r\nAncêtres de Jean Dupont\r\n"_ansi), 9);
  EXPECT_EQ(Count(script, "text\r\ns\r\nGros\r\nm\r\n0,"), 3);
}

TEST(ScriptFrame, AnEmptyNoteStillWritesOneText) {
  EXPECT_EQ(Count(Frame(6, 1.0f, {""}), "text\r\ns\r\nPetitNorm\r\n"), 6);
  EXPECT_EQ(Count(Frame(6, 1.0f, {}), "text\r\ns\r\nPetitNorm\r\n"), 5);
  const std::string note = Frame(6, 1.0f, {"Un", "", "Trois"});
  EXPECT_NE(note.find("PetitNorm\r\nm\r\n11.25000,-0.40000\r\n0.06000\r\n0\r\nTrois\r\n"), std::string::npos);
}

// --- ancestor texts ----------------------------------------------------

AncestorLine Ancestor(int32_t k, const std::string& name, const std::string& date, const std::string& place) {
  return ReadScriptLine(ListLine(k, 1, name, date, place));
}

std::string Texts(std::initializer_list<AncestorLine> lines, float scale = 1.0f) {
  ScriptOutput out;
  out.CaptureInMemory();
  ScriptTextState state;
  for (const AncestorLine& line : lines) WriteAncestorTexts(out, state, line, scale);
  return out.Captured();
}

TEST(ScriptAncestors, ThreeWordNameOfAFatherSideHusband) {
  const std::string script = Texts({Ancestor(4, "Jean Baptiste Dupont", "", "Paris")});
  EXPECT_TRUE(script.starts_with("layer\r\nm\r\nGen2-4\r\nc\r\n2\r\n\r\n\r\n"));
  EXPECT_EQ(Count(script, "text\r\n"), 12);  // three texts, four copies each
  const std::regex text("text\r\ns\r\n(\\w+)\r\nm\r\n(-?[0-9.]+),(-?[0-9.]+)\r\n([0-9.]+)\r\n(-?[0-9.]+)\r\n([^\r]*)\r\n");
  std::vector<std::smatch> matches;
  for (auto it = std::sregex_iterator(script.begin(), script.end(), text); it != std::sregex_iterator(); ++it)
    matches.push_back(*it);
  ASSERT_EQ(matches.size(), 12u);
  EXPECT_EQ(matches[0][6], "Jean");
  EXPECT_EQ(matches[0][5], "-22.50000");
  EXPECT_EQ(matches[0][4], "0.19000");
  EXPECT_EQ(matches[4][6], "Baptiste Dupont");
  EXPECT_EQ(matches[4][5], "-9.00000");
  EXPECT_EQ(matches[8][6], "Paris");
  EXPECT_EQ(matches[8][1], "Ital");
  EXPECT_EQ(matches[8][5], "-38.25000");
  // the first copy at polar angle pi - pi/8 on the middle of ring 1 (radius 3.75)
  const double x = std::stod(matches[0][2]), y = std::stod(matches[0][3]);
  EXPECT_NEAR(std::hypot(x, y), 3.75, 0.00002);
  EXPECT_NEAR(std::atan2(y, x), M_PI - M_PI / 8, 0.00001);
  // the copies move by 0.003 of radius
  EXPECT_NEAR(std::hypot(std::stod(matches[3][2]), std::stod(matches[3][3])), 3.753, 0.00002);
}

// The rotation written just before the first text command of `text`.
double RotationOf(const std::string& script, const std::string& text) {
  const std::size_t at = script.find("\r\n" + text + "\r\n");
  if (at == std::string::npos) return 1e9;
  const std::size_t start = script.rfind("\r\n", at - 1);
  return std::stod(script.substr(start + 2, at - start - 2));
}

TEST(ScriptAncestors, WifeAndMotherSideHusbandOfTheThirdGeneration) {
  const std::string wife = Texts({Ancestor(5, "Anne Marie", "1 mai 1800", "Lyon")});
  EXPECT_EQ(wife.find("Lyon"), std::string::npos);
  EXPECT_NEAR(RotationOf(wife, "Anne"), -81.0, 0.00002);  // phi 0.8 of her angle
  EXPECT_NEAR(RotationOf(wife, "Marie"), -67.5, 0.00002);  // phi 0.5
  // phi 0.15; the date keeps the leading blanks of its right-aligned column
  EXPECT_NEAR(RotationOf(wife, "       1 mai 1800"), -51.75, 0.00002);
  const std::string husband = Texts({Ancestor(6, "Paul", "1 mai 1800", "Lyon")});
  EXPECT_NEAR(RotationOf(husband, "Paul"), 76.5, 0.00002);  // (1 + 0.7) pi/4 from the right end
  EXPECT_NEAR(RotationOf(husband, "       1 mai 1800"), 51.75, 0.00002);
  EXPECT_EQ(husband.find("Lyon"), std::string::npos);
}

TEST(ScriptAncestors, ParentsAreWrittenFourTimesEvenWithoutMarriageText) {
  const std::string script = Texts({Ancestor(2, "Louis", "", ""), Ancestor(3, "Marie Louise Dupont", "", "")});
  EXPECT_EQ(Count(script, "layer\r\nm\r\nGen2-4\r\nc\r\n2\r\n\r\n\r\n"), 2);
  EXPECT_EQ(Count(script, "text\r\ns\r\nItal\r\nm\r\n"), 8);
  EXPECT_EQ(Count(script, "\r\n0\r\n\r\n"), 8);  // empty side texts
  EXPECT_NE(script.find("text\r\ns\r\nNorm\r\nm\r\n-1.18000,0.92000\r\n0.20000\r\n0\r\nLouis\r\n"), std::string::npos);
  EXPECT_NE(script.find("text\r\ns\r\nNorm\r\nm\r\n1.00000,1.50000\r\n0.20000\r\n0\r\nMarie\r\n"), std::string::npos);
  EXPECT_NE(script.find("text\r\ns\r\nNorm\r\nm\r\n1.18300,0.92000\r\n0.20000\r\n0\r\nLouise Dupont\r\n"),
            std::string::npos);
  EXPECT_NE(script.find("text\r\ns\r\nNorm\r\nm\r\n-1.18300,0.92000\r\n0.20000\r\n0\r\nLouis\r\n"), std::string::npos);
}

TEST(ScriptAncestors, LongNameGetsASmallerHeightNotACut) {
  const std::string name(26, 'X');
  const std::string script = Texts({Ancestor(16, name, "", "")});
  EXPECT_EQ(Count(script, "text\r\n"), 1);  // one copy from generation 5 on
  EXPECT_NE(script.find("\r\n" + FormatScriptReal(0.16f * 25 / 26) + "\r\n"), std::string::npos);
  EXPECT_NE(script.find(name), std::string::npos);
  EXPECT_FLOAT_EQ(FitTextHeight("abc", 3, 0.2f), 0.2f);
  EXPECT_FLOAT_EQ(FitTextHeight("abcd", 3, 0.2f), 0.15f);
}

TEST(ScriptAncestors, LayersChangeWithTheGenerationOnly) {
  const std::string script = Texts({Ancestor(8, "A", "", ""), Ancestor(9, "B", "", ""), Ancestor(16, "C", "", ""),
                                    Ancestor(1024, "D", "", ""), Ancestor(2048, "E", "", "")});
  EXPECT_EQ(Count(script, "layer\r\n"), 3);  // Gen2-4, Gen5-7, Gen10-12; none for generation 12
  EXPECT_EQ(Count(script, "Gen10-12"), 1);
}

TEST(ScriptAncestors, TwelfthGenerationUsesTheCouplesBox) {
  const std::string script = Texts({Ancestor(2048, "Jean", "1500", "Caen"), Ancestor(4095, "Anne", "1500", "Caen")});
  const std::regex text("text\r\ns\r\n(\\w+)\r\nm\r\n(-?[0-9.]+),(-?[0-9.]+)\r\n([0-9.]+)\r\n(-?[0-9.]+)\r\n([^\r]*)\r\n");
  std::vector<std::smatch> m;
  for (auto it = std::sregex_iterator(script.begin(), script.end(), text); it != std::sregex_iterator(); ++it)
    m.push_back(*it);
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[0][1], "PetitNorm");
  EXPECT_EQ(m[1][6], std::string(13, ' ') + "1500");
  EXPECT_EQ(m[1][1], "PetitItal");
  EXPECT_EQ(m[3][6], "Caen");
  const auto radius = [&](int i) { return std::hypot(std::stod(m[i][2]), std::stod(m[i][3])); };
  EXPECT_NEAR(radius(0), 29.18, 0.00002);
  EXPECT_NEAR(radius(1), 28.17, 0.00002);
  EXPECT_NEAR(radius(2), 29.18, 0.00002);
  EXPECT_NEAR(radius(3), 27.84, 0.00002);
  EXPECT_NEAR(std::stod(m[0][5]), -0.5 * 180.0 / 1024, 0.00002);
  EXPECT_NEAR(std::stod(m[2][5]), 0.5 * 180.0 / 1024, 0.00002);
}

// --- the export -----------------------------------------------------------

TEST(ScriptExportTest, WritesTheWholeChartOfAnAnalysedProbant) {
  SessionFixture fixture;
  ASSERT_TRUE(fixture.LoadData("royal92.ged"));
  ASSERT_TRUE(AnalyseProbant(fixture, 115));
  fixture.session.fan.generationCount = 6;
  fixture.session.fan.probantLine = "Ancêtres de William"_ansi;
  fixture.session.fan.note = {""};
  const size_t messages = fixture.ui.messages.size();
  EXPECT_EQ(ExportFanScript(fixture.session, (fixture.folder / "Eventail.scr").string()), ScriptExport::Written);
  EXPECT_EQ(fixture.ui.messages.size(), messages);
  const std::string script = fixture.Report("Eventail.scr");
  EXPECT_NE(script.find("Gen5-7"), std::string::npos);
  EXPECT_NE(script.find("\r\nCharles\r\n"), std::string::npos);
  EXPECT_NE(script.find("\r\nPhilip Arthur"), std::string::npos);
}

TEST(ScriptExportTest, WithoutAncestryListTheScriptStopsAfterTheCodes) {
  SessionFixture fixture;
  fixture.session.fan.generationCount = 4;
  fixture.session.fan.note = {""};
  EXPECT_EQ(ExportFanScript(fixture.session, (fixture.folder / "Eventail.scr").string()),
            ScriptExport::WithoutAncestors);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Warning);
  const std::string script = fixture.Report("Eventail.scr");
  EXPECT_TRUE(script.ends_with("\r\n15\r\n"));
}

TEST(ScriptExportTest, SettingsOutsideTheDialogsLimitsAreBroughtBack) {
  SessionFixture fixture;
  fixture.session.fan.generationCount = 0;
  fixture.session.fan.scale = 9.0f;
  ExportFanScript(fixture.session, (fixture.folder / "Eventail.scr").string());
  const std::string script = fixture.Report("Eventail.scr");
  EXPECT_TRUE(script.starts_with("limits\r\n-15.04000,-2.00000\r\n"));  // 4 generations at 2.00
  EXPECT_EQ(CodeCount(script), 14);
}

TEST(ScriptExportTest, AFileThatCannotBeCreatedIsReported) {
  SessionFixture fixture;
  EXPECT_EQ(ExportFanScript(fixture.session, (fixture.folder / "absent" / "Eventail.scr").string()),
            ScriptExport::NotCreated);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_NE(fixture.ui.messages[0].text.find("Impossible de créer"_ansi), std::string::npos);
}

}  // namespace
}  // namespace quenor::testing
