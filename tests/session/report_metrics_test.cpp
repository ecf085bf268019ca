#include "session/report_metrics.h"

#include <gtest/gtest.h>

#include <string>

namespace quenor {
namespace {

TEST(ReportMetrics, A750PixelWindowGivesTenPixelCharactersAndA41PixelHeading) {
  EXPECT_EQ(ReportCharacterHeight(750), 10);
  EXPECT_EQ(ReportCharacterHeight(824), 10);
  EXPECT_EQ(ReportCharacterHeight(1920), 25);
  EXPECT_EQ(HeadingPaneHeight(3, 10), 41);
  EXPECT_EQ(HeadingPaneHeight(0, 10), 5);
  EXPECT_EQ(HeadingPaneHeight(5, 13), 83);  // 78 + 5
  EXPECT_EQ(HeadingPaneHeight(2, 11), 31);  // 26.4 truncated + 5
}

TEST(ReportMetrics, ThePrintFontFitsTheWidestLineAfterTheFirst) {
  const std::string title(300, 'T');  // the first line does not count
  const std::string report = title + "\r\n" + std::string(116, 'x') + "\r\n" + std::string(40, 'y') + "\r\n";
  EXPECT_EQ(PrintFontHeight(report), 10);
  EXPECT_EQ(PrintFontHeight("t\n" + std::string(58, 'x')), 20);
}

TEST(ReportMetrics, AReportWithNothingAfterItsFirstLineHasNothingToPrint) {
  EXPECT_EQ(PrintFontHeight(""), 0);
  EXPECT_EQ(PrintFontHeight("Seulement un titre"), 0);
  EXPECT_EQ(PrintFontHeight("Titre\r\n\r\n\r\n"), 0);
}

TEST(ReportMetrics, VeryLongLinesStillGetAVisibleFont) {
  EXPECT_EQ(PrintFontHeight("t\n" + std::string(5000, 'x')), 1);
}

}  // namespace
}  // namespace quenor
