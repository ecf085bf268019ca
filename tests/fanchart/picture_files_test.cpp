// Pictures written to files: the completeness chart as SVG and PNG and the
// coloured fan chart as SVG are well-formed XML or images of the size asked
// for.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QXmlStreamReader>
#include <string>

#include "ancestry/completeness_chart.h"
#include "platform/cp1252.h"
#include "platform/qt/completeness_chart_files.h"
#include "platform/qt/fan_chart_files.h"
#include "tests/fanchart/fan_test_support.h"
#include "tests/support/session_fixture.h"

namespace quenor::testing {
namespace {

constexpr int32_t kElizabeth = 52;

class PictureFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fixture.LoadData("royal92.ged"));
    ASSERT_TRUE(AnalyseProbant(fixture, kElizabeth));
  }

  CompletenessChartData Chart() const {
    const Session& session = fixture.session;
    return CompletenessChartOf(session.ancestryFigures, session.probantName, session.runDate);
  }
  std::string Path(const std::string& name) const { return (fixture.folder / name).string(); }

  SessionFixture fixture;
};

// The name of the root element, empty when the text is not well-formed XML;
// `texts` receives the character data of every element.
std::string RootOfWellFormed(const std::string& xml, std::string* texts = nullptr) {
  QXmlStreamReader reader(QByteArray::fromStdString(xml));
  std::string root;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && root.empty()) root = reader.name().toString().toStdString();
    if (reader.isCharacters() && texts) *texts += reader.text().toString().toStdString() + "\n";
  }
  return reader.hasError() ? std::string() : root;
}

TEST_F(PictureFilesTest, TheChartAsSvgIsWellFormedAndKeepsItsTexts) {
  ASSERT_EQ(WriteCompletenessChartFile(Chart(), Path("chart.svg"), QSize(1200, 750)), ChartFileResult::Written);
  std::string texts;
  EXPECT_EQ(RootOfWellFormed(fixture.Report("chart.svg"), &texts), "svg");
  EXPECT_NE(texts.find("Complétude et implexe de l'ascendance d'Elizabeth_II"), std::string::npos);
  EXPECT_NE(texts.find("Implexe cumulatif"), std::string::npos);
  EXPECT_NE(texts.find("2024-03-15"), std::string::npos);
}

TEST_F(PictureFilesTest, TheChartAsPngHasTheSizeAskedForAndItsBars) {
  ASSERT_EQ(WriteCompletenessChartFile(Chart(), Path("chart.png"), QSize(640, 480)), ChartFileResult::Written);
  const QImage image(QString::fromStdString(Path("chart.png")));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(640, 480));
  int barPixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) barPixels += image.pixel(x, y) == qRgb(150, 190, 230);
  EXPECT_GT(barPixels, 5000);
  EXPECT_EQ(WriteCompletenessChartFile(Chart(), Path("upper.PNG"), QSize(300, 200)), ChartFileResult::Written);
  EXPECT_EQ(QImage(QString::fromStdString(Path("upper.PNG"))).size(), QSize(300, 200));
}

TEST_F(PictureFilesTest, OnlySvgAndPngInAFolderThatExists) {
  EXPECT_EQ(WriteCompletenessChartFile(Chart(), Path("chart.gif"), QSize(640, 480)), ChartFileResult::UnknownFormat);
  EXPECT_EQ(WriteCompletenessChartFile(Chart(), Path("absent/chart.svg"), QSize(640, 480)),
            ChartFileResult::NotWritten);
}

TEST_F(PictureFilesTest, TheFanChartAsSvgIsWellFormedWithOrWithoutColours) {
  for (FanColouring colouring : {FanColouring::None, FanColouring::Generation, FanColouring::Lineage}) {
    fixture.session.fan.generationCount = 8;
    fixture.session.fan.colouring = colouring;
    fixture.session.fan.probantLine = Cp1252FromUtf8("Ancêtres d'Élisabeth");
    ASSERT_TRUE(WriteFanChartSvg(fixture.session, Path("fan.svg")));
    std::string texts;
    EXPECT_EQ(RootOfWellFormed(fixture.Report("fan.svg"), &texts), "svg");
    EXPECT_NE(texts.find("Ancêtres d'Élisabeth"), std::string::npos);
  }
}

}  // namespace
}  // namespace quenor::testing
