// The texts of the chart: codes on paper only, renumbering, legend and
// statistics, probant line and side titles, and the person texts laid out
// in their sectors, shrunk when too long, turned by "Angles inversés".
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ancestry/ancestor_walk.h"
#include "fanchart/fan_frame.h"
#include "fanchart/fan_geometry.h"
#include "fanchart/fan_page.h"
#include "fanchart/fan_persons.h"
#include "fanchart/fan_statistics.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "tests/fanchart/fan_test_support.h"
#include "tests/support/session_fixture.h"
#include "tests/support/test_files.h"

namespace quenor::testing {
namespace {

using namespace literals;

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

int CountCodes(const RecordingCanvas& canvas) {
  int codes = 0;
  for (const RecordedText& text : canvas.texts) codes += IsNumber(text.text);
  return codes;
}

const RecordedText* FindText(const RecordingCanvas& canvas, const std::string& wanted) {
  for (const RecordedText& text : canvas.texts)
    if (text.text == wanted) return &text;
  return nullptr;
}

FanFrameFacts SomeFacts() {
  FanFrameFacts facts;
  facts.today = {2024, 3, 15};
  return facts;
}

TEST(FanFrame, CodesAreDrawnOnPaperOnly) {
  FanLayout printed = WholeChartLayout(6, PaintMode::Printing);
  FanLayout preview = WholeChartLayout(6, PaintMode::Preview);
  RecordingCanvas paper, screen;
  DrawFanFrame(paper, printed, SomeFacts());
  DrawFanFrame(screen, preview, SomeFacts());
  EXPECT_EQ(CountCodes(paper), 62);  // 2 to 63
  EXPECT_EQ(CountCodes(screen), 0);
  EXPECT_NE(FindText(paper, "63"), nullptr);
  EXPECT_EQ(FindText(paper, "64"), nullptr);
}

TEST(FanFrame, TwelveGenerationsPutTheOuterCodesAtTwoRadii) {
  FanLayout layout = WholeChartLayout(12);
  RecordingCanvas canvas;
  DrawFanFrame(canvas, layout, SomeFacts());
  EXPECT_EQ(CountCodes(canvas), 4094);
  const RecordedText* paternalHusband = FindText(canvas, "2048");
  const RecordedText* paternalWife = FindText(canvas, "2049");
  const RecordedText* maternalHusband = FindText(canvas, "4094");
  const RecordedText* maternalWife = FindText(canvas, "4095");
  ASSERT_TRUE(paternalHusband && paternalWife && maternalHusband && maternalWife);
  EXPECT_NEAR(RadiusOf(layout, paternalHusband->x, paternalHusband->y), 29.92, 0.01);
  EXPECT_NEAR(RadiusOf(layout, paternalWife->x, paternalWife->y), 25.1, 0.01);
  EXPECT_NEAR(RadiusOf(layout, maternalHusband->x, maternalHusband->y), 25.1, 0.01);
  EXPECT_NEAR(RadiusOf(layout, maternalWife->x, maternalWife->y), 29.92, 0.01);
}

TEST(FanFrame, CodesSitInsideTheirCouplesBox) {
  FanLayout layout = WholeChartLayout(4);
  RecordingCanvas canvas;
  DrawFanFrame(canvas, layout, SomeFacts());
  // couple 8-9 is the leftmost box of generation 4, from pi to 3pi/4
  const RecordedText* husband = FindText(canvas, "8");
  const RecordedText* wife = FindText(canvas, "9");
  ASSERT_TRUE(husband && wife);
  const double a8 = AngleOf(layout, husband->x, husband->y), a9 = AngleOf(layout, wife->x, wife->y);
  EXPECT_GT(a8, a9);
  EXPECT_LT(a8, M_PI);
  EXPECT_GT(a9, 3 * M_PI / 4);
  EXPECT_NEAR(RadiusOf(layout, husband->x, husband->y), 7.4, 0.01);
  // father's side: base line towards the centre; mother's side: outwards
  EXPECT_LT(husband->font.escapement, -1800);
  const RecordedText* maternal = FindText(canvas, "15");
  ASSERT_NE(maternal, nullptr);
  EXPECT_LE(maternal->font.escapement, 0);
  EXPECT_GT(maternal->font.escapement, -900);
}

TEST(FanFrame, FirstNumberRenumbersTheCodesAndSaysSo) {
  FanLayout layout = WholeChartLayout(4);
  layout.firstStradonitz = 5;
  RecordingCanvas canvas;
  DrawFanFrame(canvas, layout, SomeFacts());
  EXPECT_NE(FindText(canvas, "20"), nullptr);  // person 4 as an ancestor of number 5
  EXPECT_EQ(FindText(canvas, "4"), nullptr);
  EXPECT_NE(FindText(canvas, "Ascendance à partir du code Stradonitz 5"_ansi), nullptr);

  FanLayout plain = WholeChartLayout(4);
  RecordingCanvas other;
  DrawFanFrame(other, plain, SomeFacts());
  EXPECT_NE(FindText(other, "4"), nullptr);
  for (const RecordedText& text : other.texts) EXPECT_EQ(text.text.find("partir du code"), std::string::npos);
}

TEST(FanFrame, LegendProbantLineAndTitlesLieWhereExpected) {
  FanLayout layout = WholeChartLayout(4);
  layout.probantLine = "Ancêtres de Jean Dupont"_ansi;
  layout.note = {"Note un", "Note deux"};
  RecordingCanvas canvas;
  DrawFanFrame(canvas, layout, SomeFacts());
  const RecordedText* legend = FindText(canvas, "Chaque case constitue un mariage et contient:");
  ASSERT_NE(legend, nullptr);
  EXPECT_EQ(legend->x, static_cast<int>((-6.25f - layout.pageRect.xMin) * 600));
  EXPECT_EQ(legend->font.escapement, 0);
  EXPECT_EQ(legend->font.height, 54);
  EXPECT_EQ(legend->alignment, TextAlignment::BaselineCentre);
  EXPECT_TRUE(legend->transparent);
  EXPECT_NE(FindText(canvas, "Produit le 2024-03-15 par le logiciel Quenor"), nullptr);
  const RecordedText* note = FindText(canvas, "Note deux");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->x, static_cast<int>((6.25f - layout.pageRect.xMin) * 600));
  const RecordedText* probant = FindText(canvas, "Ancêtres de Jean Dupont"_ansi);
  ASSERT_NE(probant, nullptr);
  EXPECT_EQ(probant->font.face, "GothicE");
  EXPECT_EQ(probant->font.height, static_cast<int>(static_cast<double>(4 * 0.02f + 0.3f) * 600));
  EXPECT_EQ(probant->x, static_cast<int>((0.0f - layout.pageRect.xMin) * 600));
  // 21 letters of each side title, upright to the arc, Gothic face
  int titleLetters = 0;
  for (const RecordedText& text : canvas.texts) titleLetters += text.font.face == "GothicE" && text.text.size() == 1;
  EXPECT_EQ(titleLetters, 42);
  EXPECT_EQ(layout.textStyle.face, "Times New Roman");
}

TEST(FanFrame, SideTitlesAreCentredOnTheirQuarters) {
  FanLayout layout = WholeChartLayout(6);
  RecordingCanvas canvas;
  DrawFanFrame(canvas, layout, SomeFacts());
  std::vector<const RecordedText*> letters;
  for (const RecordedText& text : canvas.texts)
    if (text.font.face == "GothicE" && text.text.size() == 1) letters.push_back(&text);
  ASSERT_EQ(letters.size(), 42u);
  // "Ascendance paternelle": letter 10 ("p" at index 11 is after the blank)
  const double firstAngle = AngleOf(layout, letters[0]->x, letters[0]->y);
  const double lastAngle = AngleOf(layout, letters[20]->x, letters[20]->y);
  EXPECT_NEAR((firstAngle + lastAngle) / 2, 3 * M_PI / 4, 0.02);
  EXPECT_GT(firstAngle, lastAngle);  // clockwise
  const double rho = 5 * 2.5 + 0.4 - (6 * 0.02 + 0.3) / 3;
  EXPECT_NEAR(RadiusOf(layout, letters[0]->x, letters[0]->y), rho, 0.003);
  // upright: E = -(10 deg(t) - 900)
  EXPECT_NEAR(letters[0]->font.escapement, -(firstAngle * 1800 / M_PI - 900), 2);
}

TEST(FanFrame, StatisticsGiveTheCompleteness) {
  FanLayout layout = WholeChartLayout(6);
  FanFrameFacts facts = SomeFacts();
  facts.statistics = {62, 31, 31, 0};
  RecordingCanvas canvas;
  DrawFanFrame(canvas, layout, facts);
  EXPECT_NE(FindText(canvas, "Le tableau contient 31 ascendants"), nullptr);
  EXPECT_NE(FindText(canvas, "sur une possibilité de 62, soit une complétude de 50.0%"_ansi), nullptr);
  for (const RecordedText& text : canvas.texts) EXPECT_EQ(text.text.find("individus"), std::string::npos);

  facts.statistics = {62, 40, 38, 1};
  RecordingCanvas repeated;
  DrawFanFrame(repeated, layout, facts);
  EXPECT_NE(FindText(repeated, "Ces ascendants sont constitués de 38 individus différents"_ansi), nullptr);
  EXPECT_NE(FindText(repeated, "dont un apparaît plus d'une fois."_ansi), nullptr);

  facts.statistics = {4094, 2000, 1500, 1200};
  RecordingCanvas many;
  DrawFanFrame(many, layout, facts);
  EXPECT_NE(FindText(many, "dont 1 200 apparaissent plus d'une fois."), nullptr);

  facts.statistics = {62, 0, 0, 0};
  RecordingCanvas none;
  DrawFanFrame(none, layout, facts);
  for (const RecordedText& text : none.texts) EXPECT_EQ(text.text.find("tableau"), std::string::npos);
}

// The statistics under the fan are the probant's, whichever table the
// session holds when the page is drawn.
TEST(FanFrame, StatisticsAreThoseOfTheProbantsAncestors) {
  SessionFixture fixture;
  ASSERT_TRUE(fixture.LoadData("royal92.ged"));
  ASSERT_TRUE(AnalyseProbant(fixture, 115));
  Session& session = fixture.session;
  session.fan = WholeChartLayout(8);
  const FanStatistics expected = CountProbantStatistics(session.index, 115, 8);
  ASSERT_GT(expected.repeated, 0);
  const std::string wanted = "Le tableau contient " + FormatCount(expected.total) + " ascendants";
  RecordingCanvas analysed;
  DrawFanPage(analysed, session);
  EXPECT_NE(FindText(analysed, wanted), nullptr) << wanted;

  FillAncestorTable(session.index, 1, session.ancestors);  // another person's table
  RecordingCanvas other;
  DrawFanPage(other, session);
  EXPECT_NE(FindText(other, wanted), nullptr) << wanted;
}

TEST(FanFrame, InvertedAnglesTurnRotatedTextsOnly) {
  FanLayout straight = WholeChartLayout(5);
  FanLayout inverted = WholeChartLayout(5);
  inverted.anglesInverted = true;
  RecordingCanvas a, b;
  DrawFanFrame(a, straight, SomeFacts());
  DrawFanFrame(b, inverted, SomeFacts());
  ASSERT_EQ(a.texts.size(), b.texts.size());
  int rotated = 0;
  for (std::size_t i = 0; i < a.texts.size(); ++i) {
    EXPECT_EQ(b.texts[i].font.escapement, -a.texts[i].font.escapement);
    EXPECT_EQ(b.texts[i].font.orientation, b.texts[i].font.escapement);
    rotated += a.texts[i].font.escapement != 0;
  }
  EXPECT_GT(rotated, 30);
}

// --- person texts -------------------------------------------------------

AncestorLine Person(int32_t number, const std::string& name, const std::string& date = "",
                    const std::string& place = "") {
  AncestorLine line;
  line.number = number;
  int32_t n = number;
  while (n > 0) { ++line.generation; n >>= 1; }
  line.name = name;
  line.date = date;
  line.place = place;
  return line;
}

RecordingCanvas DrawPerson(FanLayout& layout, const AncestorLine& line) {
  RecordingCanvas canvas;
  canvas.SetTextAlignment(TextAlignment::BaselineCentre);
  DrawPersonTexts(canvas, layout, line);
  return canvas;
}

TEST(FanPersons, TwoWordNameOfAFatherSideHusband) {
  FanLayout layout = WholeChartLayout(6);
  const RecordingCanvas canvas = DrawPerson(layout, Person(16, "Jean Dupont", "12 fév 1850", "Paris"));
  ASSERT_EQ(canvas.texts.size(), 3u);  // given names, surname, place
  const GenerationSpan span = SpanOfGeneration(5);
  const float h = 0.38f - 0.03f * 5;
  const float rho = 3.5f * 2.5f;
  const float delta = std::asin((1.0f / 3.0f) * h / rho);
  const float tJean = 0.5f * span.step - delta;
  EXPECT_EQ(canvas.texts[0].text, "Jean");
  EXPECT_EQ(canvas.texts[0].font.escapement, static_cast<int>(TenthsOfDegree(tJean)));
  EXPECT_EQ(canvas.texts[0].font.height, static_cast<int>(h * 600));
  EXPECT_NEAR(AngleOf(layout, canvas.texts[0].x, canvas.texts[0].y), M_PI - tJean, 0.002);
  EXPECT_NEAR(RadiusOf(layout, canvas.texts[0].x, canvas.texts[0].y), rho, 0.003);
  EXPECT_EQ(canvas.texts[1].text, "Dupont");
  EXPECT_NEAR(AngleOf(layout, canvas.texts[1].x, canvas.texts[1].y), M_PI - (0.2f * span.step - delta), 0.002);
  // the husband of the father's side shows the marriage place, in italics
  EXPECT_EQ(canvas.texts[2].text, "Paris");
  EXPECT_TRUE(canvas.texts[2].font.italic);
  EXPECT_EQ(canvas.texts[2].font.height, static_cast<int>(0.9f * h * 600));
  EXPECT_FALSE(layout.textStyle.italic);
}

TEST(FanPersons, MotherSideTextsReadOutwards) {
  FanLayout layout = WholeChartLayout(6);
  // 31 is the rightmost person of generation 5, a wife on the mother's side
  const RecordingCanvas canvas = DrawPerson(layout, Person(31, "Marie Anne Durand", "1 mai 1800", "Lyon"));
  ASSERT_EQ(canvas.texts.size(), 3u);
  EXPECT_EQ(canvas.texts[0].text, "Marie Anne");
  EXPECT_EQ(canvas.texts[1].text, "Durand");
  EXPECT_EQ(canvas.texts[2].text, "Lyon");  // the wife of the mother's side shows the place
  const GenerationSpan span = SpanOfGeneration(5);
  const float h = 0.38f - 0.03f * 5;
  const float t = 0.5f * span.step - std::asin((1.0f / 3.0f) * h / 8.75f);  // b = 1
  EXPECT_EQ(canvas.texts[0].font.escapement, -static_cast<int>(TenthsOfDegree(t)));
  EXPECT_NEAR(AngleOf(layout, canvas.texts[0].x, canvas.texts[0].y), t, 0.002);
}

TEST(FanPersons, OneWordNameIsDrawnWhole) {
  FanLayout layout = WholeChartLayout(6);
  const RecordingCanvas husband = DrawPerson(layout, Person(16, "Charlemagne"));
  ASSERT_EQ(husband.texts.size(), 1u);  // no marriage text
  const GenerationSpan span = SpanOfGeneration(5);
  const float delta = std::asin((1.0f / 3.0f) * (0.38f - 0.15f) / 8.75f);
  EXPECT_NEAR(AngleOf(layout, husband.texts[0].x, husband.texts[0].y), M_PI - (0.4f * span.step - delta), 0.002);
  const RecordingCanvas wife = DrawPerson(layout, Person(17, "Berthe"));
  EXPECT_NEAR(AngleOf(layout, wife.texts[0].x, wife.texts[0].y), M_PI - (1 + 0.7f) * span.step + delta, 0.002);
}

TEST(FanPersons, TooLongANameIsShrunkToItsMaximumLength) {
  FanLayout layout = WholeChartLayout(6);
  const std::string longName = "Maximilienne-Wilhelmine-Josephine";
  const RecordingCanvas canvas = DrawPerson(layout, Person(16, longName));
  ASSERT_EQ(canvas.texts.size(), 1u);
  const int nominal = static_cast<int>(0.23f * 600);
  const int width = static_cast<int>(std::lround(longName.size() * nominal * 0.5));
  const int limit = static_cast<int>(2.4f * 600);
  ASSERT_GT(width, limit);
  EXPECT_EQ(canvas.texts[0].font.height, static_cast<int>(0.23f * 600 * limit / width));
  EXPECT_EQ(canvas.texts[0].text, longName);  // never cut
}

TEST(FanPersons, ParentsAreHorizontalOnEitherSide) {
  FanLayout layout = WholeChartLayout(6);
  const RecordingCanvas father = DrawPerson(layout, Person(2, "Louis Martin", "3 mar 1900", "Tours"));
  ASSERT_EQ(father.texts.size(), 3u);
  EXPECT_EQ(father.texts[0].text, "Louis");
  EXPECT_EQ(father.texts[0].x, static_cast<int>((-1.0f - layout.pageRect.xMin) * 600));
  EXPECT_EQ(father.texts[0].y, static_cast<int>((1.3f - layout.pageRect.yMin) * 600));
  EXPECT_EQ(father.texts[1].text, "Martin");
  EXPECT_EQ(father.texts[2].text, "3 mar 1900");  // the father shows the date
  EXPECT_TRUE(father.texts[2].font.italic);
  EXPECT_EQ(father.texts[2].font.height, static_cast<int>(0.27f * 600));
  for (const RecordedText& text : father.texts) EXPECT_EQ(text.font.escapement, 0);

  const RecordingCanvas mother = DrawPerson(layout, Person(3, "Zoé", "", ""));
  ASSERT_EQ(mother.texts.size(), 2u);  // the empty place is still drawn
  EXPECT_EQ(mother.texts[0].x, static_cast<int>((1.1f - layout.pageRect.xMin) * 600));
  EXPECT_EQ(mother.texts[1].text, "");
}

TEST(FanPersons, AParentsMarriageTextTooWideIsShrunkNotEnlarged) {
  FanLayout layout = WholeChartLayout(6);
  // 25 characters at 162 units, half as wide each: 2025 units against 1320
  const std::string place(25, 'x');
  const RecordingCanvas mother = DrawPerson(layout, Person(3, "Anne", "", place));
  const RecordedText& text = mother.texts.back();
  ASSERT_EQ(text.text, place);
  EXPECT_LT(text.font.height, static_cast<int>(0.27f * 600));
  EXPECT_NEAR(text.font.height * 0.5 * place.size(), 2.2 * 600, 30);
}

TEST(FanPersons, OuterGenerationsShareOneRay) {
  FanLayout layout = WholeChartLayout(11);
  const RecordingCanvas canvas = DrawPerson(layout, Person(1024, "Jean Dupont", "1600", "Rouen"));
  ASSERT_EQ(canvas.texts.size(), 2u);
  const float rhoMid = 9.5f * 2.5f;
  EXPECT_NEAR(RadiusOf(layout, canvas.texts[0].x, canvas.texts[0].y), rhoMid + 0.4f, 0.003);
  EXPECT_NEAR(RadiusOf(layout, canvas.texts[1].x, canvas.texts[1].y), rhoMid - 0.75f, 0.003);
  EXPECT_EQ(canvas.texts[0].font.height, static_cast<int>(0.09f * 600));
}

TEST(FanPersons, TwelfthGenerationWritesTheCoupleOnTheBoxsMiddleRay) {
  FanLayout layout = WholeChartLayout(12);
  const RecordingCanvas husband = DrawPerson(layout, Person(2048, "Jean", "1500", "Caen"));
  const RecordingCanvas wife = DrawPerson(layout, Person(2049, "Anne", "1500", "Caen"));
  ASSERT_EQ(husband.texts.size(), 2u);
  ASSERT_EQ(wife.texts.size(), 2u);
  EXPECT_EQ(husband.texts[1].text, "1500");
  EXPECT_EQ(wife.texts[1].text, "Caen");
  EXPECT_NEAR(RadiusOf(layout, husband.texts[0].x, husband.texts[0].y), 29.1, 0.003);
  EXPECT_NEAR(RadiusOf(layout, husband.texts[1].x, husband.texts[1].y), 28.17, 0.003);
  EXPECT_NEAR(RadiusOf(layout, wife.texts[1].x, wife.texts[1].y), 27.2, 0.003);
  EXPECT_NEAR(RadiusOf(layout, wife.texts[0].x, wife.texts[0].y), 25.9, 0.003);
  // the middle of the leftmost box, pi/2048 from the base line
  const float t = 0.5f * kFanPi / 1024 - std::asin((1.0f / 3.0f) * 0.09f / 29.1f);
  EXPECT_NEAR(AngleOf(layout, husband.texts[0].x, husband.texts[0].y), M_PI - t, 0.0005);
}

TEST(FanPersons, InvertedAnglesNegateTheRadialEscapement) {
  FanLayout straight = WholeChartLayout(6);
  FanLayout inverted = WholeChartLayout(6);
  inverted.anglesInverted = true;
  const RecordingCanvas a = DrawPerson(straight, Person(40, "Jean Dupont", "1700", "Nantes"));
  const RecordingCanvas b = DrawPerson(inverted, Person(40, "Jean Dupont", "1700", "Nantes"));
  ASSERT_EQ(a.texts.size(), b.texts.size());
  for (std::size_t i = 0; i < a.texts.size(); ++i) {
    EXPECT_NE(a.texts[i].font.escapement, 0);
    EXPECT_EQ(b.texts[i].font.escapement, -a.texts[i].font.escapement);
  }
  const RecordingCanvas parent = DrawPerson(inverted, Person(2, "Jean Dupont"));
  for (const RecordedText& text : parent.texts) EXPECT_EQ(text.font.escapement, 0);
}

TEST(FanPersons, TextsFarOutsideThePageAreLeftOut) {
  FanLayout layout = WholeChartLayout(6);
  layout.clipRect = {2.0f, 14.0f, -2.0f, 14.0f};  // the mother's side only
  EXPECT_TRUE(DrawPerson(layout, Person(16, "Jean Dupont", "", "Paris")).texts.empty());
  EXPECT_EQ(DrawPerson(layout, Person(31, "Jeanne Dupont", "", "Paris")).texts.size(), 3u);
}

// --- reading the ancestry list ---------------------------------------------

class CancelAfter : public CancelPoll {
 public:
  explicit CancelAfter(int lines) : left_(lines) {}
  bool CancelClicked() override { return left_-- <= 0; }

 private:
  int left_;
};

TEST(FanPersons, ReadsTheListUntilTheLastGenerationShown) {
  ScratchFolder folder;
  std::string list = "title\r\n\r\n";
  list += ListLine(1, 10, "Probant Dupont", "", "", false);
  list += ListLine(2, 11, "Jean Dupont", "1 jan 1900", "Paris");
  list += ListLine(3, 12, "Anne Durand", "1 jan 1900", "Paris");
  list += "------- 3 ième génération -------\r\n";
  list += ListLine(4, 13, "Louis Dupont", "", "", false);
  list += ListLine(8, 14, "Hors Champ", "", "", false);
  WriteBytes(folder / "LstAscd.TXT", list);
  FanLayout layout = WholeChartLayout(3 + 1);
  layout.generationCount = 3;  // limit 7: number 8 ends the reading
  RecordingCanvas canvas;
  DrawFanPersons(canvas, layout, (folder / "LstAscd.TXT").string());
  EXPECT_NE(FindText(canvas, "Louis"), nullptr);
  EXPECT_EQ(FindText(canvas, "Hors"), nullptr);
  EXPECT_EQ(FindText(canvas, "Probant"), nullptr);
}

TEST(FanPersons, CancellingStopsTheReadingAndTheDrawing) {
  ScratchFolder folder;
  std::string list;
  for (int n = 2; n < 64; ++n) list += ListLine(n, 100 + n, "Jean Dupont", "", "", false);
  WriteBytes(folder / "LstAscd.TXT", list);
  FanLayout layout = WholeChartLayout(6);
  CancelAfter poll(3);
  RecordingCanvas canvas;
  DrawFanPersons(canvas, layout, (folder / "LstAscd.TXT").string(), &poll);
  EXPECT_FALSE(layout.drawingActive);
  EXPECT_EQ(canvas.texts.size(), 8u);  // two parents of three lines, one person of two

  RecordingCanvas none;
  DrawFanPersons(none, layout, (folder / "LstAscd.TXT").string());
  EXPECT_TRUE(none.texts.empty());  // a cancelled run reads no further line
}

TEST(FanPersons, NoListNoPersonTexts) {
  FanLayout layout = WholeChartLayout(6);
  RecordingCanvas canvas;
  DrawFanPersons(canvas, layout, "/nonexistent/LstAscd.TXT");
  EXPECT_TRUE(canvas.texts.empty());
  EXPECT_TRUE(layout.drawingActive);
}

}  // namespace
}  // namespace quenor::testing
