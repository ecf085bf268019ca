// Coloured charts: "aucune" draws exactly the black and white chart, the
// colours lie under it, one colour per generation, and by lineage a family
// of colours for the father's side and another for the mother's. Also the
// places of the ancestors: each point of the fan belongs to the right one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "fanchart/fan_fills.h"
#include "fanchart/fan_geometry.h"
#include "fanchart/fan_occupants.h"
#include "fanchart/fan_page.h"
#include "fanchart/fan_sectors.h"
#include "tests/fanchart/fan_test_support.h"
#include "tests/support/session_fixture.h"

namespace quenor::testing {
namespace {

constexpr int32_t kElizabeth = 52;
constexpr int32_t kCharles = 58;

// Hue in degrees, 0 to 360, of a 0x00BBGGRR colour.
double HueOf(CanvasColour colour) {
  const double r = (colour & 0xFF) / 255.0, g = ((colour >> 8) & 0xFF) / 255.0, b = ((colour >> 16) & 0xFF) / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high == low) return 0.0;
  double hue;
  if (high == r) hue = std::fmod((g - b) / (high - low), 6.0);
  else if (high == g) hue = (b - r) / (high - low) + 2.0;
  else hue = (r - g) / (high - low) + 4.0;
  hue *= 60.0;
  return hue < 0 ? hue + 360.0 : hue;
}

bool Paternal(int32_t n) {
  const int32_t first = int32_t{1} << (GenerationOf(n) - 1);
  return n < first + first / 2;
}

// The place whose fill a recorded polygon is: the one under its centre.
int32_t PlaceOf(const FanLayout& layout, const RecordedPolygon& polygon) {
  double sx = 0, sy = 0;
  for (const CanvasPoint& p : polygon.points) sx += p.x, sy += p.y;
  const double k = layout.unitsPerInch, count = static_cast<double>(polygon.points.size());
  return NumberAt(layout.generationCount, layout.ringWidth, sx / count / k + layout.pageRect.xMin,
                  sy / count / k + layout.pageRect.yMin);
}

class ColouredChartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new SessionFixture;
    ASSERT_TRUE(fixture_->LoadData("royal92.ged"));
    ASSERT_TRUE(AnalyseProbant(*fixture_, kCharles));
  }
  static void TearDownTestSuite() {
    delete fixture_;
    fixture_ = nullptr;
  }

  // The whole chart of `generations` drawn as a printed page.
  static RecordingCanvas Draw(int generations, FanColouring colouring) {
    Session& session = fixture_->session;
    session.fan = WholeChartLayout(generations);
    session.fan.colouring = colouring;
    session.fan.probantLine = "Ancêtres de Charles";
    RecordingCanvas canvas;
    DrawFanPage(canvas, session);
    return canvas;
  }

  static SessionFixture* fixture_;
};

SessionFixture* ColouredChartTest::fixture_ = nullptr;

TEST_F(ColouredChartTest, NoColourIsTheBlackAndWhiteChartAndColoursOnlyAddFillsUnderIt) {
  for (int generations : {6, 12}) {
    const RecordingCanvas plain = Draw(generations, FanColouring::None);
    EXPECT_TRUE(plain.polygons.empty());
    for (FanColouring colouring : {FanColouring::Generation, FanColouring::Lineage}) {
      const RecordingCanvas coloured = Draw(generations, colouring);
      EXPECT_FALSE(coloured.polygons.empty());
      ASSERT_EQ(coloured.lines.size(), plain.lines.size());
      for (std::size_t i = 0; i < plain.lines.size(); ++i) {
        EXPECT_EQ(coloured.lines[i].x1, plain.lines[i].x1);
        EXPECT_EQ(coloured.lines[i].y2, plain.lines[i].y2);
        EXPECT_EQ(coloured.lines[i].pen, plain.lines[i].pen);
      }
      ASSERT_EQ(coloured.texts.size(), plain.texts.size());
      for (std::size_t i = 0; i < plain.texts.size(); ++i) {
        EXPECT_EQ(coloured.texts[i].text, plain.texts[i].text);
        EXPECT_EQ(coloured.texts[i].x, plain.texts[i].x);
        EXPECT_EQ(coloured.texts[i].font, plain.texts[i].font);
      }
    }
  }
}

TEST_F(ColouredChartTest, EveryKnownAncestorAndOnlyHimHasHisPlaceFilled) {
  const Session& session = fixture_->session;
  const std::vector<int32_t> occupants = ProbantOccupants(session.index, session.probantNumber, 8);
  const RecordingCanvas canvas = Draw(8, FanColouring::Generation);
  std::set<int32_t> filled;
  for (const RecordedPolygon& polygon : canvas.polygons) {
    const int32_t n = PlaceOf(session.fan, polygon);
    ASSERT_NE(n, 0);
    EXPECT_TRUE(filled.insert(n).second) << n;
  }
  for (int32_t n = 2; n < 256; ++n) EXPECT_EQ(filled.count(n) == 1, occupants[n] != 0) << n;
  EXPECT_GT(filled.size(), 100u);
}

TEST_F(ColouredChartTest, ByGenerationEachRingHasItsOwnColour) {
  const RecordingCanvas canvas = Draw(12, FanColouring::Generation);
  std::map<int, std::set<CanvasColour>> coloursByGeneration;
  for (const RecordedPolygon& polygon : canvas.polygons)
    coloursByGeneration[GenerationOf(PlaceOf(fixture_->session.fan, polygon))].insert(polygon.fill);
  std::set<CanvasColour> all;
  for (const auto& [generation, colours] : coloursByGeneration) {
    EXPECT_EQ(colours.size(), 1u) << generation;
    all.insert(*colours.begin());
  }
  EXPECT_EQ(all.size(), coloursByGeneration.size());
  EXPECT_EQ(coloursByGeneration.size(), 11u);  // generations 2 to 12
}

TEST_F(ColouredChartTest, ByLineageTheFatherAndTheMotherHaveEachTheirFamilyOfColours) {
  const RecordingCanvas canvas = Draw(12, FanColouring::Lineage);
  std::map<int32_t, std::set<CanvasColour>> coloursByGrandparent;
  int paternal = 0, maternal = 0;
  for (const RecordedPolygon& polygon : canvas.polygons) {
    const int32_t n = PlaceOf(fixture_->session.fan, polygon);
    const double hue = HueOf(polygon.fill);
    if (Paternal(n)) {
      ++paternal;
      EXPECT_TRUE(hue > 90 && hue < 260) << n << " " << hue;  // greens and blues
    } else {
      ++maternal;
      EXPECT_TRUE(hue < 60 || hue > 300) << n << " " << hue;  // oranges, pinks and reds
    }
    const int g = GenerationOf(n);
    if (g >= 3) coloursByGrandparent[n >> (g - 3)].insert(polygon.fill);
    // Light enough for black text.
    const double luma = 0.299 * (polygon.fill & 0xFF) + 0.587 * ((polygon.fill >> 8) & 0xFF) +
                        0.114 * ((polygon.fill >> 16) & 0xFF);
    EXPECT_GT(luma, 170.0) << n;
  }
  EXPECT_GT(paternal, 100);
  EXPECT_GT(maternal, 100);
  // The four grandparents' quarters share no colour.
  ASSERT_EQ(coloursByGrandparent.size(), 4u);
  std::set<CanvasColour> all;
  std::size_t total = 0;
  for (const auto& [grandparent, colours] : coloursByGrandparent) {
    all.insert(colours.begin(), colours.end());
    total += colours.size();
  }
  EXPECT_EQ(all.size(), total);
}

TEST_F(ColouredChartTest, FillsOfATiledPageAreOnlyThoseThatReachIt) {
  Session& session = fixture_->session;
  session.fan = WholeChartLayout(8);
  session.fan.colouring = FanColouring::Lineage;
  session.fan.pageRect = session.fan.clipRect = {-20.0f, -10.0f, 0.0f, 8.0f};  // a part of the father's side
  RecordingCanvas canvas;
  DrawFanPage(canvas, session);
  ASSERT_FALSE(canvas.polygons.empty());
  for (const RecordedPolygon& polygon : canvas.polygons) EXPECT_TRUE(Paternal(PlaceOf(session.fan, polygon)));
}

TEST(FanSectors, EachPlaceHoldsItsOwnCentreAndNothingLiesOutsideTheFan) {
  for (int generations : {4, 6, 11, 12}) {
    const int32_t last = (int32_t{1} << generations) - 1;
    for (int32_t n = 2; n <= last; ++n) {
      const FanSector s = SectorOf(generations, 2.5f, n);
      const double r = (s.innerRadius + s.outerRadius) / 2.0, a = (s.fromAngle + s.toAngle) / 2.0;
      ASSERT_EQ(NumberAt(generations, 2.5f, r * std::cos(a), r * std::sin(a)), n) << generations << " " << n;
    }
    const double edge = RingCountFor(generations) * 2.5;
    EXPECT_EQ(NumberAt(generations, 2.5f, 0.0, edge + 0.01), 0);
    EXPECT_EQ(NumberAt(generations, 2.5f, 1.0, -0.01), 0);
  }
  // The inner half-disc: the father on the left, the mother on the right.
  EXPECT_EQ(NumberAt(6, 2.5f, -1.0, 1.0), 2);
  EXPECT_EQ(NumberAt(6, 2.5f, 1.0, 1.0), 3);
  // Generation 12: on the father's side the husband is written outwards, on the mother's inwards.
  const FanSector husband = SectorOf(12, 2.5f, 2048), wife = SectorOf(12, 2.5f, 2049);
  EXPECT_EQ(husband.fromAngle, wife.fromAngle);
  EXPECT_GT(husband.innerRadius, wife.innerRadius);
  EXPECT_LT(SectorOf(12, 2.5f, 4094).innerRadius, SectorOf(12, 2.5f, 4095).innerRadius);
}

}  // namespace
}  // namespace quenor::testing
