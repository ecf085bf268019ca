// The organigram window and its print dialog under the offscreen platform:
// reading OrgDesc.TXT at each activation, drawing nothing without it, the
// scale clamp, and the organigram printed to PDF on its tiled pages.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

#include "fanchart/window/printer_choice.h"
#include "kinship/kinship_search.h"
#include "kinship/window/torgdataf.h"
#include "kinship/window/qpainter_organigram_surface.h"
#include "kinship/window/torgdescf.h"
#include "platform/cp1252.h"
#include "tests/support/pdf_pages.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

// Jean Dupont and Marie Martin; their son Pierre and his son Paul.
const char* kOneLine =
    "0 HEAD\n1 CHAR ANSI\n"
    "0 @I1@ INDI\n1 NAME Jean /Dupont/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Marie /Martin/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Pierre /Dupont/\n1 FAMC @F1@\n1 FAMS @F2@\n"
    "0 @I5@ INDI\n1 NAME Anne /Durand/\n1 FAMS @F2@\n"
    "0 @I4@ INDI\n1 NAME Paul /Dupont/\n1 FAMC @F2@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
    "0 @F2@ FAM\n1 HUSB @I3@\n1 WIFE @I5@\n1 CHIL @I4@\n"
    "0 TRLR\n";

// Jean and Marie's grandchildren, cousins, are Paul's parents: two lines.
const char* kTwoLines =
    "0 HEAD\n1 CHAR ANSI\n"
    "0 @I1@ INDI\n1 NAME Jean /Dupont/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Marie /Martin/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Pierre /Dupont/\n1 FAMC @F1@\n1 FAMS @F2@\n"
    "0 @I6@ INDI\n1 NAME Claire /Dupont/\n1 FAMC @F1@\n1 FAMS @F3@\n"
    "0 @I7@ INDI\n1 NAME Louis /Dupont/\n1 FAMC @F2@\n1 FAMS @F4@\n"
    "0 @I8@ INDI\n1 NAME Lucie /Bernard/\n1 FAMC @F3@\n1 FAMS @F4@\n"
    "0 @I4@ INDI\n1 NAME Paul /Dupont/\n1 FAMC @F4@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I6@\n"
    "0 @F2@ FAM\n1 HUSB @I3@\n1 CHIL @I7@\n"
    "0 @F3@ FAM\n1 WIFE @I6@\n1 CHIL @I8@\n"
    "0 @F4@ FAM\n1 HUSB @I7@\n1 WIFE @I8@\n1 CHIL @I4@\n"
    "0 TRLR\n";

class OrganigramWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QPrinter& p = printer.printer();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setPageSize(QPageSize(QPageSize::Letter));
    p.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    printer.SetSetupDialog([](QPrinter&, QWidget*) { return true; });
    printer.RunSetup(nullptr);
  }

  bool SearchDescent(const char* gedcom, int32_t ancestor, int32_t descendant) {
    if (!fixture.LoadText(gedcom)) return false;
    fixture.session.kinship.firstPerson = ancestor;
    fixture.session.kinship.secondPerson = descendant;
    SearchKinship(fixture.session);
    return fixture.session.kinship.organigram.laidOut;
  }

  std::filesystem::path PdfFile() const { return fixture.folder / "Quenor.pdf"; }

  // True when the view shows anything besides its grey ground.
  static bool Drawn(TOrgDescF& window) {
    QImage shot = window.view().viewport()->grab().toImage();
    QRgb ground = qRgb(208, 208, 208);
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (shot.pixel(x, y) != ground) return true;
    return false;
  }

  testing::SessionFixture fixture;
  PrinterChoice printer{QString::fromStdString(fixture.folder.path().string())};
};

TEST_F(OrganigramWindowTest, ShowsTheTopCoupleOnASingleLine) {
  ASSERT_TRUE(SearchDescent(kOneLine, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  EXPECT_EQ(window.windowTitle(), "Descente de Jean Dupont et Marie Martin sur Paul Dupont");
  EXPECT_TRUE(window.text().SingleLine());
  EXPECT_EQ(window.text().ColumnCount(), 2);
  EXPECT_EQ(window.text().Shift(), 40);
  EXPECT_TRUE(Drawn(window));
  EXPECT_EQ(window.view().LineCount(), 2 + 3 * 2 + 3 * 4);
}

TEST_F(OrganigramWindowTest, WithoutOrgDescNothingIsDrawn) {
  ASSERT_TRUE(fixture.LoadText(kOneLine));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  EXPECT_TRUE(window.text().Empty());
  EXPECT_FALSE(Drawn(window));
  window.mImprimerOFClick();  // nothing to print: the user is told, no dialog
  EXPECT_EQ(fixture.ui.messages.size(), 1u);
}

TEST_F(OrganigramWindowTest, EachActivationReadsTheFileAgain) {
  ASSERT_TRUE(SearchDescent(kOneLine, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  EXPECT_FALSE(window.text().Empty());
  std::filesystem::remove(fixture.folder / "OrgDesc.TXT");
  window.FormActivate();
  EXPECT_TRUE(window.text().Empty());
  EXPECT_FALSE(Drawn(window));
}

TEST_F(OrganigramWindowTest, ScrollRangesFollowTheDrawing) {
  ASSERT_TRUE(SearchDescent(kTwoLines, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.resize(200, 150);
  window.ShowOrganigram();
  const OrganigramText& text = window.text();
  EXPECT_FALSE(text.SingleLine());
  int viewWidth = window.view().viewport()->width();
  EXPECT_EQ(window.view().horizontalScrollBar()->maximum(), 2 * text.Centre() - viewWidth);
  window.view().horizontalScrollBar()->setValue(100);
  EXPECT_TRUE(Drawn(window));
}

// The left and right ends of the dark pixels in the band of the caption.
std::pair<int, int> CaptionInk(TOrgDescF& window) {
  const QImage shot = window.view().viewport()->grab().toImage();
  int left = shot.width();
  int right = -1;
  for (int y = 8; y < 20; ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (qGray(shot.pixel(x, y)) < 100) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return {left, right};
}

TEST_F(OrganigramWindowTest, ACaptionWiderThanTheDrawingShowsWhole) {
  // Three names of nearly 40 characters make a caption far wider than the
  // single line of the drawing.
  std::string gedcom = kOneLine;
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"Jean /Dupont/", "Jean-Baptiste Marie /Dupont-Delacour/"},
                                 {"Marie /Martin/", "Marie-Madeleine Louise /Martin-Lefebvre/"},
                                 {"Paul /Dupont/", "Paul-Emmanuel Joseph /Dupont-Delacour/"}}) {
    gedcom.replace(gedcom.find(from), from.size(), to);
  }
  ASSERT_TRUE(SearchDescent(gedcom.c_str(), 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.resize(400, 300);
  window.ShowOrganigram();
  ASSERT_GT(window.view().TitleCentre(), window.text().Centre());
  // Its first letter stands in the margin, not cut by the window's edge...
  EXPECT_GE(CaptionInk(window).first, 5);
  EXPECT_LE(CaptionInk(window).first, 20);
  // ...and scrolled right to the end, so does its last one.
  QScrollBar& scroll = *window.view().horizontalScrollBar();
  scroll.setValue(scroll.maximum());
  const int right = CaptionInk(window).second;
  EXPECT_GT(right, 0);
  EXPECT_LT(right, window.view().viewport()->width() - 5);
}

TEST_F(OrganigramWindowTest, LongNamesAreWrappedToTheirRoomInTheScreenFont) {
  // Claire's given names are far wider than the room between two bars.
  std::string gedcom = kTwoLines;
  const std::string from = "Claire /Dupont/";
  gedcom.replace(gedcom.find(from), from.size(), "Claire Marie-Madeleine Françoise Éléonore /Dupont/");
  ASSERT_TRUE(SearchDescent(Cp1252FromUtf8(gedcom).c_str(), 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.resize(300, 200);
  window.ShowOrganigram();
  const OrganigramText& text = window.text();
  const OrganigramNameFit& fit = window.view().NameFit();
  const int room = OrganigramNameRoom(text, ScreenGeometry(text, 0, 0));
  const NameWidth width = NameWidthOn(OrganigramFontOf(QStringLiteral("MS Sans Serif"), -11), window.view().viewport());
  int longest = 0;
  bool wrapped = false;
  for (int r = 0; r < text.RowCount(); ++r) {
    for (int c = 0; c < text.ColumnCount(); ++c) {
      wrapped |= fit.Lines(r, c).size() > 2;
      for (const std::string& line : fit.Lines(r, c)) longest = std::max(longest, width(line, fit.FontFactor()));
    }
  }
  EXPECT_TRUE(wrapped);
  EXPECT_GT(longest, 0);
  EXPECT_LE(longest, room);
  // The taller name line is in the drawing's height, its scroll range and
  // the size the print dialog gives.
  EXPECT_TRUE(Drawn(window));
  EXPECT_EQ(window.view().LineCount(), OrganigramLineCount(text, 2, &fit));
  EXPECT_GT(window.view().LineCount(), OrganigramLineCount(text, 2));
  EXPECT_GE(window.view().verticalScrollBar()->maximum() + window.view().viewport()->height(),
            window.view().LineCount() * OrganigramText::kLineHeight);
  TOrgDataF& dialog = window.printDialog();
  dialog.Prepare(&text, &fit);
  dialog.show();
  const double fitted = dialog.figures().height;
  dialog.Prepare(&text);
  dialog.FormActivate();
  EXPECT_GT(fitted, dialog.figures().height);
  dialog.AnnulerBtnOFClick();
}

TEST_F(OrganigramWindowTest, ScaleFieldComesBackToItsLimits) {
  ASSERT_TRUE(SearchDescent(kOneLine, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  TOrgDataF& dialog = window.printDialog();
  dialog.Prepare(&window.text());
  dialog.show();
  EXPECT_EQ(dialog.EchelleEditOF->text(), "1.00");
  for (auto [typed, shown] : {std::pair{"0.2", "0.30"}, {"abc", "0.30"}, {"2.5", "2.00"}, {"0.75", "0.75"}}) {
    dialog.EchelleEditOF->setText(typed);
    dialog.EchelleEditOFExit();
    EXPECT_EQ(dialog.EchelleEditOF->text().toStdString(), shown) << typed;
  }
  EXPECT_EQ(dialog.PagesInfoLblOF->text(), "1 de largeur x 1 de hauteur");
  dialog.AnnulerBtnOFClick();
  EXPECT_EQ(fixture.session.selectionMode, 0);
}

TEST_F(OrganigramWindowTest, SingleLinePrintsOnePage) {
  ASSERT_TRUE(SearchDescent(kOneLine, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  window.runPrintDialog = [](TOrgDataF& dialog) {
    dialog.show();
    dialog.OKBtnOFClick();
  };
  window.mImprimerOFClick();
  EXPECT_EQ(fixture.session.selectionMode, 0);
  EXPECT_EQ(testing::PdfPageCount(PdfFile()), 1);
}

TEST_F(OrganigramWindowTest, TwoLinesAtDoubleScalePrintTwoPagesAcross) {
  ASSERT_TRUE(SearchDescent(kTwoLines, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  window.runPrintDialog = [](TOrgDataF& dialog) {
    dialog.show();
    dialog.EchelleEditOF->setText("2.00");
    dialog.CentimetresOF->setChecked(true);
    dialog.OKBtnOFClick();
  };
  window.mImprimerOFClick();
  EXPECT_EQ(fixture.session.fan.pagesAcross, 2);
  EXPECT_EQ(fixture.session.fan.pagesDown, 1);
  EXPECT_FLOAT_EQ(fixture.session.fan.scale, 2.0f);
  EXPECT_DOUBLE_EQ(fixture.session.fan.unitFactor, 2.54);
  EXPECT_EQ(testing::PdfPageCount(PdfFile()), 2);
}

TEST_F(OrganigramWindowTest, AnnulerPrintsNothing) {
  ASSERT_TRUE(SearchDescent(kOneLine, 1, 4));
  TOrgDescF window(fixture.session, printer);
  window.ShowOrganigram();
  window.runPrintDialog = [](TOrgDataF& dialog) { dialog.AnnulerBtnOFClick(); };
  window.mImprimerOFClick();
  EXPECT_FALSE(std::filesystem::exists(PdfFile()));
}

}  // namespace
}  // namespace quenor
