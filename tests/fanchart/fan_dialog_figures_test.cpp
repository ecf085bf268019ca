// The fan chart parameters dialog's computations: field clamps, printer
// parameters with their fallback, drawing size, page count and sketch.
#include <gtest/gtest.h>

#include "fanchart/fan_dialog_figures.h"
#include "fanchart/field_clamps.h"
#include "fanchart/page_sketch.h"
#include "fanchart/printer_parameters.h"
#include "platform/cp1252.h"
#include "tests/support/recording_ui.h"

namespace quenor {
namespace {

using namespace quenor::literals;

TEST(FieldReading, FollowsTheCConversions) {
  EXPECT_EQ(LeadingInteger("12"), 12);
  EXPECT_EQ(LeadingInteger("  7abc"), 7);
  EXPECT_EQ(LeadingInteger("-3"), -3);
  EXPECT_EQ(LeadingInteger("abc"), 0);
  EXPECT_EQ(LeadingInteger(""), 0);
  EXPECT_EQ(LeadingInteger("99999999999999999999999"), LONG_MAX);
  EXPECT_DOUBLE_EQ(LeadingNumber("1.25"), 1.25);
  EXPECT_DOUBLE_EQ(LeadingNumber(" 0.5cm"), 0.5);
  EXPECT_DOUBLE_EQ(LeadingNumber(".75"), 0.75);
  EXPECT_DOUBLE_EQ(LeadingNumber("-1.5"), -1.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("1,5"), 1.0);  // a comma ends the number
}

TEST(FieldClamps, ScaleComesBackToItsLimits) {
  EXPECT_EQ(ClampScaleText("0.2"), "0.30");
  EXPECT_EQ(ClampScaleText("abc"), "0.30");
  EXPECT_EQ(ClampScaleText(""), "0.30");
  EXPECT_EQ(ClampScaleText("2.5"), "2.00");
  EXPECT_EQ(ClampScaleText("nan"), "0.30");
  EXPECT_EQ(ClampScaleText("0.3"), std::nullopt);
  EXPECT_EQ(ClampScaleText("2.0"), std::nullopt);
  EXPECT_EQ(ClampScaleText("1.00"), std::nullopt);
}

TEST(FieldClamps, GenerationsAndFirstNumberComeBackToTheirLimits) {
  EXPECT_EQ(ClampGenerationsText("3"), "4");
  EXPECT_EQ(ClampGenerationsText("x"), "4");
  EXPECT_EQ(ClampGenerationsText("99"), "12");
  EXPECT_EQ(ClampGenerationsText("13"), "12");
  EXPECT_EQ(ClampGenerationsText("4"), std::nullopt);
  EXPECT_EQ(ClampGenerationsText("11"), std::nullopt);
  EXPECT_EQ(ClampFirstNumberText("0"), "1");
  EXPECT_EQ(ClampFirstNumberText("-4"), "1");
  EXPECT_EQ(ClampFirstNumberText("5"), std::nullopt);
}

TEST(FormatFixed, UsesAPointAndPadsOnTheLeft) {
  EXPECT_EQ(FormatFixed(25.08, 2, 6), " 25.08");
  EXPECT_EQ(FormatFixed(1.0, 2), "1.00");
  EXPECT_EQ(FormatFixed(123456.789, 2, 6), "123456.79");
  EXPECT_EQ(FormatFixed(1e300, 2, 6).size(), 304u);
}

TEST(PrinterParameters, ReadsTheResolutionAndThePage) {
  testing::RecordingUi ui;
  PrinterParameters p = ReadPrinterParameters({600, 600, 4800, 6300}, ui);
  EXPECT_EQ(p.dpiX, 600);
  EXPECT_DOUBLE_EQ(p.pageWidth, 8.0);
  EXPECT_DOUBLE_EQ(p.pageHeight, 10.5);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(PrinterParameters, FallsBackOnAnEightByTenInchPage) {
  testing::RecordingUi ui;
  PrinterParameters p = ReadPrinterParameters({0, 600, 4800, 6000}, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "ERREUR");
  EXPECT_EQ(ui.messages[0].text, "Incapable d'obtenir les paramètres de l'imprimante"_ansi);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(p.dpiX, 600);
  EXPECT_EQ(p.dpiY, 600);
  EXPECT_DOUBLE_EQ(p.pageWidth, 8.0);
  EXPECT_DOUBLE_EQ(p.pageHeight, 10.0);
}

TEST(PrinterParameters, NeverDividesByZero) {
  testing::RecordingUi ui;
  PrinterParameters p = ReadPrinterParameters({0, 0, 0, 0}, ui);
  EXPECT_GT(p.dpiX, 0);
  EXPECT_GT(p.dpiY, 0);
  EXPECT_DOUBLE_EQ(p.pageWidth, 8.0);
  EXPECT_DOUBLE_EQ(p.pageHeight, 10.0);
}

FanDialogFields Fields(const char* generations, const char* scale, bool cm = false,
                       bool script = false) {
  FanDialogFields f;
  f.generationsText = generations;
  f.scaleText = scale;
  f.centimetres = cm;
  f.script = script;
  f.pageWidth = 8.0;
  f.pageHeight = 10.5;
  return f;
}

TEST(FanDialogFigures, DefaultsOnALetterPrintableArea) {
  FanDialogFigures f = ComputeFanDialogFigures(Fields("6", "1.00"));
  EXPECT_EQ(f.ringCount, 5);
  EXPECT_NEAR(f.width, 25.08, 1e-9);
  EXPECT_NEAR(f.height, 13.58, 1e-9);
  EXPECT_EQ(f.pagesAcross, 4);
  EXPECT_EQ(f.pagesDown, 2);
  EXPECT_EQ(f.dimensionsLabel, " 25.08 x 13.58 po.");
  EXPECT_EQ(f.pagesLabel, "4 de largeur x 2 de hauteur");
}

TEST(FanDialogFigures, RingCountOfElevenAndTwelveGenerations) {
  EXPECT_EQ(ComputeFanDialogFigures(Fields("11", "1")).ringCount, 10);
  FanDialogFigures twelve = ComputeFanDialogFigures(Fields("12", "0.5"));
  EXPECT_EQ(twelve.ringCount, 12);
  EXPECT_NEAR(twelve.width, 60.08 * 0.5, 1e-9);
  EXPECT_NEAR(twelve.height, 31.08 * 0.5, 1e-9);
}

TEST(FanDialogFigures, CentimetresChangeTheLabelNotThePages) {
  FanDialogFigures inches = ComputeFanDialogFigures(Fields("6", "1"));
  FanDialogFigures cm = ComputeFanDialogFigures(Fields("6", "1", true));
  EXPECT_EQ(cm.dimensionsLabel, " 63.70 x 34.49 cm.");
  EXPECT_EQ(cm.pagesAcross, inches.pagesAcross);
  EXPECT_EQ(cm.pagesDown, inches.pagesDown);
}

TEST(FanDialogFigures, ScriptOptionMakesOnePageHoldingTheDrawing) {
  FanDialogFigures f = ComputeFanDialogFigures(Fields("12", "2.00", false, true));
  EXPECT_EQ(f.pagesAcross, 1);
  EXPECT_EQ(f.pagesDown, 1);
  EXPECT_NEAR(f.pageWidth, f.width + 1.0, 1e-9);
  EXPECT_NEAR(f.pageHeight, f.height + 1.0, 1e-9);
  EXPECT_EQ(f.pagesLabel, "1 de largeur x 1 de hauteur");
}

TEST(FanDialogFigures, TextsBeingTypedNeverBreakTheCount) {
  EXPECT_EQ(ComputeFanDialogFigures(Fields("", "")).pagesAcross, 1);
  EXPECT_EQ(ComputeFanDialogFigures(Fields("6", "-1")).pagesDown, 1);
  EXPECT_LE(ComputeFanDialogFigures(Fields("6", "1e300")).pagesAcross, 9999);
  EXPECT_EQ(PagesFor(10.0, 0.04, 0.04), 1);
}

TEST(PageSketch, PaperAndSeparatorsOfFourByTwoPages) {
  PageSketch s = SketchPages(145, 300, 4, 2, 8.0, 10.5);
  EXPECT_EQ(s.paperLeft, 145 - 32 - 1);
  EXPECT_EQ(s.paperRight, 145 + 32 + 1);
  EXPECT_EQ(s.paperBottom, 300 + 21 + 1);
  EXPECT_EQ(s.paperTop, 300 - 21 - 1);
  ASSERT_EQ(s.separators.size(), 4u);  // 3 vertical, 1 horizontal
  EXPECT_EQ(s.separators[0].x1, 145 - 16);
  EXPECT_EQ(s.separators[1].x1, 145);
  EXPECT_EQ(s.separators[2].x1, 145 + 16);
  EXPECT_EQ(s.separators[3].y1, 300);
  EXPECT_EQ(s.separators[3].x1, 145 - 33);
  EXPECT_EQ(s.separators[3].x2, 145 + 32);
}

TEST(PageSketch, FanOutlineStandsOnThePaperBottom) {
  FanSketchArc arc = SketchFanOutline(145, 300, 25.08, 13.58);
  EXPECT_EQ(arc.radius, 25);
  EXPECT_EQ(arc.centreX, 145);
  EXPECT_EQ(arc.centreY, 311);
}

}  // namespace
}  // namespace quenor
