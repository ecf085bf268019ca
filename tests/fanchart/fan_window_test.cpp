// The fan chart's windows under the offscreen platform: the parameters
// dialog with its clamps and page counts, and whole runs previewing and
// printing pages to PDF files, cancelled, or exported as a script.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "ancestry/ancestry_analysis.h"
#include "fanchart/window/fan_chart_run.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/tevdataf.h"
#include "fanchart/window/tmssgbox.h"
#include "fanchart/window/tprogresf.h"
#include "platform/cp1252.h"
#include "tests/support/pdf_pages.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace quenor::literals;

constexpr int32_t kElizabeth = 52;  // royal92.ged

// A printer writing PDF files whose printable area is 8.0 by 10.5 inches.
void UseLetterPdf(PrinterChoice& choice, const std::filesystem::path& file) {
  QPrinter& printer = choice.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file.string()));
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
  choice.SetSetupDialog([](QPrinter&, QWidget*) { return true; });
  choice.RunSetup(nullptr);  // takes the file name as the chosen one
}

class FanWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseLetterPdf(printer, fixture.folder / "Fan.pdf");
  }

  bool AnalyseProbant(const std::string& file, int32_t probant) {
    if (!fixture.LoadData(file)) return false;
    char line[64];
    std::snprintf(line, sizeof line, "%7ld  ", static_cast<long>(probant));
    fixture.session.selectionMode = 1;
    fixture.session.chosenLine = line;
    return AnalyseAncestry(fixture.session) == AncestryOutcome::Analysed;
  }

  testing::SessionFixture fixture;
  PrinterChoice printer{QString::fromStdString(fixture.folder.path().string())};
};

TEST_F(FanWindowTest, ScaleFieldComesBackToItsLimits) {
  TEvDataF dialog(fixture.session, printer);
  dialog.show();
  for (auto [typed, shown] : {std::pair{"0.2", "0.30"}, {"abc", "0.30"}, {"2.5", "2.00"}, {"1.5", "1.5"}}) {
    dialog.EchelleEditEF->setText(typed);
    dialog.EchelleEditEFExit();
    EXPECT_EQ(dialog.EchelleEditEF->text().toStdString(), shown) << typed;
  }
}

TEST_F(FanWindowTest, EnterInAFieldClampsItAndKeepsTheDialogOpen) {
  TEvDataF dialog(fixture.session, printer);
  dialog.show();
  dialog.EchelleEditEF->setFocus();
  dialog.EchelleEditEF->setText("7");
  QTest::keyClick(dialog.EchelleEditEF, Qt::Key_Return);
  EXPECT_EQ(dialog.EchelleEditEF->text(), "2.00");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(fixture.session.selectionMode, 0);
  EXPECT_EQ(dialog.PagesInfoLblEF->text(), "7 de largeur x 3 de hauteur");
}

TEST_F(FanWindowTest, GenerationsAndFirstNumberComeBackToTheirLimits) {
  TEvDataF dialog(fixture.session, printer);
  dialog.show();
  dialog.GenEditEF->setText("11");
  dialog.GenEditEFExit();
  EXPECT_EQ(dialog.GenEditEF->text(), "11");
  EXPECT_EQ(dialog.figures().ringCount, 10);
  dialog.GenEditEF->setText("99");
  dialog.GenEditEFExit();
  EXPECT_EQ(dialog.GenEditEF->text(), "12");
  EXPECT_EQ(dialog.figures().ringCount, 12);
  dialog.GenEditEF->setText("2");
  dialog.GenEditEFExit();
  EXPECT_EQ(dialog.GenEditEF->text(), "4");
  dialog.StradIniEdit->setText("0");
  dialog.StradIniEditExit();
  EXPECT_EQ(dialog.StradIniEdit->text(), "1");
}

TEST_F(FanWindowTest, DefaultsNeedFourPagesAcrossAndTwoDown) {
  TEvDataF dialog(fixture.session, printer);
  dialog.Prepare();
  dialog.show();
  EXPECT_EQ(fixture.session.fan.printerDpiX, printer.printer().logicalDpiX());
  EXPECT_NEAR(dialog.figures().pageWidth, 8.0, 1e-9);
  EXPECT_NEAR(dialog.figures().pageHeight, 10.5, 1e-9);
  EXPECT_EQ(dialog.DimInfoLblEF->text(), " 25.08 x 13.58 po.");
  EXPECT_EQ(dialog.PagesInfoLblEF->text(), "4 de largeur x 2 de hauteur");
  dialog.CentimetresEF->setChecked(true);
  EXPECT_EQ(dialog.DimInfoLblEF->text(), " 63.70 x 34.49 cm.");
  EXPECT_EQ(dialog.PagesInfoLblEF->text(), "4 de largeur x 2 de hauteur");
  EXPECT_EQ(fixture.session.fan.pagesAcross, 4);
  EXPECT_EQ(fixture.session.fan.pagesDown, 2);
  EXPECT_TRUE(fixture.ui.messages.empty());
}

TEST_F(FanWindowTest, ScriptOptionMakesOnePageAndDisablesThePrinter) {
  TEvDataF dialog(fixture.session, printer);
  dialog.show();
  dialog.ScriptCB->setChecked(true);
  dialog.ScriptCBClick();
  EXPECT_FALSE(dialog.ImprimanteBtnEF->isEnabled());
  EXPECT_EQ(dialog.PagesInfoLblEF->text(), "1 de largeur x 1 de hauteur");
  dialog.ScriptCB->setChecked(false);
  dialog.ScriptCBClick();
  EXPECT_TRUE(dialog.ImprimanteBtnEF->isEnabled());
  EXPECT_EQ(dialog.PagesInfoLblEF->text(), "4 de largeur x 2 de hauteur");
}

TEST_F(FanWindowTest, NoteOfFiveLinesIsToldEachTimeItIsLeft) {
  TEvDataF dialog(fixture.session, printer);
  dialog.show();
  dialog.NoteFaculMemoEF->setPlainText("un\ndeux\ntrois\nquatre");
  dialog.NoteFaculMemoEFExit();
  EXPECT_TRUE(fixture.ui.messages.empty());
  dialog.NoteFaculMemoEF->setPlainText("un\ndeux\ntrois\nquatre\ncinq");
  dialog.NoteFaculMemoEFExit();
  dialog.NoteFaculMemoEFExit();
  ASSERT_EQ(fixture.ui.messages.size(), 2u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Erreur");
  EXPECT_EQ(fixture.ui.messages[0].text, "Le texte ne doit pas comporter plus de 4 lignes");
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Stop);
  dialog.OKBtnEFClick();  // closed anyway: every line is kept
  EXPECT_EQ(fixture.session.fan.note.size(), 5u);
}

TEST_F(FanWindowTest, OkWritesTheFieldsAndAnnulerLeavesNothing) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  TEvDataF dialog(fixture.session, printer);
  dialog.Prepare();
  EXPECT_EQ(dialog.TexteEditEF->text().toStdString(),
            Utf8FromCp1252("Ancêtres de "_ansi + fixture.session.probantName));
  dialog.show();
  dialog.GenEditEF->setText("8");
  dialog.StradIniEdit->setText("5");
  dialog.EchelleEditEF->setText("0.5");
  dialog.CentimetresEF->setChecked(true);
  EXPECT_EQ(dialog.CouleursCBEF->currentText().toStdString(), "aucune");
  dialog.CouleursCBEF->setCurrentIndex(2);
  dialog.OKBtnEFClick();
  const FanLayout& fan = fixture.session.fan;
  EXPECT_EQ(fan.colouring, FanColouring::Lineage);
  EXPECT_EQ(dialog.CouleursCBEF->itemText(1).toStdString(), "par génération");
  EXPECT_EQ(fixture.session.selectionMode, 2);
  EXPECT_EQ(fan.generationCount, 8);
  EXPECT_EQ(fan.firstStradonitz, 5);
  EXPECT_FLOAT_EQ(fan.scale, 0.5f);
  EXPECT_DOUBLE_EQ(fan.unitFactor, 2.54);
  EXPECT_EQ(fan.probantLine, "Ancêtres de "_ansi + fixture.session.probantName);
  dialog.AnnulerBtnEFClick();
  EXPECT_EQ(fixture.session.selectionMode, 0);
}

// A main window whose central part the preview covers.
struct MainWindow {
  MainWindow() {
    window.setCentralWidget(central);
    window.resize(900, 650);
    window.show();
  }
  QMainWindow window;
  QWidget* central = new QWidget;
};

void Confirm(FanChartRun& run, const char* generations, const char* scale) {
  run.runParametersDialog = [generations, scale](TEvDataF& dialog) {
    dialog.show();
    dialog.GenEditEF->setText(generations);
    dialog.EchelleEditEF->setText(scale);
    dialog.OKBtnEFClick();
  };
}

TEST_F(FanWindowTest, OnePagePreviewedAndPrintedToPdf) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  Confirm(run, "6", "0.30");
  fixture.session.anglesInverted = true;  // "Angles inversés": on paper only
  std::vector<int> previewed;
  bool inked = false;
  run.pagePreviewed = [&](int page, const QImage& image) {
    EXPECT_FALSE(fixture.session.fan.anglesInverted);
    EXPECT_EQ(fixture.session.fan.paintMode, PaintMode::Preview);
    previewed.push_back(page);
    for (int y = 0; y < image.height() && !inked; y += 3)
      for (int x = 0; x < image.width() && !inked; x += 3) inked = image.pixel(x, y) != qRgb(255, 255, 255);
  };
  run.askPrintPage = [](TMssgBox& box) { box.OuiBtnClick(); };
  run.AscEventClick();
  EXPECT_EQ(previewed, std::vector<int>{1});
  EXPECT_TRUE(inked);
  ASSERT_EQ(run.printedFiles().size(), 1u);
  EXPECT_EQ(testing::PdfPageCount(run.printedFiles()[0].toStdString()), 1);
  EXPECT_EQ(fixture.ui.statuses.back(), "");
}

TEST_F(FanWindowTest, EightTiledPagesEachConfirmedApart) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  Confirm(run, "6", "1.00");
  int asked = 0;
  run.askPrintPage = [&](TMssgBox& box) {
    ++asked;
    if (asked == 2 || asked == 6) box.OuiBtnClick();
    else box.NonBtnClick();
  };
  run.AscEventClick();
  EXPECT_EQ(asked, 8);
  ASSERT_EQ(run.printedFiles().size(), 2u);
  EXPECT_NE(run.printedFiles()[0].indexOf("page2"), -1);
  EXPECT_NE(run.printedFiles()[1].indexOf("page6"), -1);
  for (const QString& file : run.printedFiles()) EXPECT_EQ(testing::PdfPageCount(file.toStdString()), 1);
  const std::vector<std::string>& statuses = fixture.ui.statuses;
  EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "Préparation de la page 8 de 8 en cours..."_ansi), 1);
  EXPECT_EQ(std::count(fixture.ui.statuses.begin(), fixture.ui.statuses.end(),
                       "Impression de la page 6 de 8 en cours..."_ansi), 1);
}

// The drawing operators of a PDF page written by Qt up to its first line.
std::string OperatorsBeforeFirstLine(const QString& file) {
  QFile pdf(file);
  if (!pdf.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = pdf.readAll();
  for (qsizetype at = bytes.indexOf("stream\n"); at >= 0; at = bytes.indexOf("stream\n", at + 1)) {
    qsizetype start = at + 7;
    qsizetype end = bytes.indexOf("endstream", start);
    QByteArray packed = QByteArray("\x01\x00\x00\x00", 4) + bytes.mid(start, end - start);
    std::string content = qUncompress(packed).toStdString();
    std::size_t line = content.find(" l\n");
    if (line != std::string::npos) return content.substr(0, line);
  }
  return {};
}

TEST_F(FanWindowTest, EachPrintJobStartsFromThePlainMapping) {
  // The last texts of a 12-generation page are turned; the next job's grid
  // must not inherit their rotation.
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  Confirm(run, "12", "0.50");
  int asked = 0;
  run.askPrintPage = [&](TMssgBox& box) {
    if (++asked <= 2) box.OuiBtnClick();
    else run.progressWindow()->AnnulerBtnClick();
  };
  run.AscEventClick();
  ASSERT_EQ(run.printedFiles().size(), 2u);
  std::string operators = OperatorsBeforeFirstLine(run.printedFiles()[1]);
  ASSERT_FALSE(operators.empty());
  std::istringstream words(operators);
  std::vector<std::string> stack;
  for (std::string word; words >> word;) {
    if (word == "cm" && stack.size() >= 6) {
      EXPECT_DOUBLE_EQ(std::stod(stack[stack.size() - 5]), 0.0) << operators;
      EXPECT_DOUBLE_EQ(std::stod(stack[stack.size() - 4]), 0.0) << operators;
    }
    stack.push_back(word);
  }
}

TEST_F(FanWindowTest, AnnulerStopsTheRunAfterThePage) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  Confirm(run, "6", "1.00");
  int asked = 0;
  run.askPrintPage = [&](TMssgBox&) {
    ++asked;
    run.progressWindow()->AnnulerBtnClick();
  };
  run.AscEventClick();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(run.printedFiles().empty());
  EXPECT_FALSE(fixture.session.fan.drawingActive);
}

TEST_F(FanWindowTest, AnnulerIsHonouredWhileAPageIsDrawn) {
  // The click arrives while the persons are being drawn: the events are
  // pumped between lines, only the run's own windows receive input.
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  auto* menuLike = new QPushButton("Autre commande", main.central);
  int otherClicks = 0;
  QObject::connect(menuLike, &QPushButton::clicked, [&] { ++otherClicks; });
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  run.runParametersDialog = [&](TEvDataF& dialog) {
    dialog.show();
    dialog.GenEditEF->setText("12");
    dialog.OKBtnEFClick();
    QTimer::singleShot(0, [&] {
      QTest::mouseClick(menuLike, Qt::LeftButton);
      QTest::mouseClick(run.progressWindow()->AnnulerBtn, Qt::LeftButton);
    });
  };
  int asked = 0;
  run.askPrintPage = [&](TMssgBox&) { ++asked; };
  int previews = 0;
  run.pagePreviewed = [&](int, const QImage&) { ++previews; };
  run.AscEventClick();
  EXPECT_EQ(otherClicks, 0);
  EXPECT_FALSE(fixture.session.fan.drawingActive);
  EXPECT_EQ(previews, 1);  // the page as far as it was drawn
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(run.printedFiles().empty());
}

TEST_F(FanWindowTest, AnnulerInTheDialogDrawsNothing) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  run.runParametersDialog = [](TEvDataF& dialog) { dialog.AnnulerBtnEFClick(); };
  int previews = 0;
  run.pagePreviewed = [&](int, const QImage&) { ++previews; };
  run.AscEventClick();
  EXPECT_EQ(previews, 0);
  EXPECT_EQ(fixture.ui.shownReports.back(), std::make_pair(2, 2));
}

TEST_F(FanWindowTest, ScriptOptionExportsInsteadOfAsking) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  run.runParametersDialog = [](TEvDataF& dialog) {
    dialog.show();
    dialog.ScriptCB->setChecked(true);
    dialog.ScriptCBClick();
    dialog.OKBtnEFClick();
  };
  std::filesystem::path script = fixture.folder / "Eventail.scr";
  run.chooseScriptFile = [&] { return QString::fromStdString(script.string()); };
  int asked = 0;
  run.askPrintPage = [&](TMssgBox&) { ++asked; };
  run.AscEventClick();
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(run.printedFiles().empty());  // no "Oui" given yet in this program's life
  ASSERT_TRUE(std::filesystem::exists(script));
  EXPECT_EQ(testing::ReadBytes(script).rfind("limits\r\n", 0), 0u);
}

TEST_F(FanWindowTest, StatusBarDoubleClickExportsTheScript) {
  ASSERT_TRUE(AnalyseProbant("royal92.ged", kElizabeth));
  MainWindow main;
  FanChartRun run(fixture.session, printer, main.window, *main.central);
  run.chooseScriptFile = [] { return QString(); };
  run.StatusBarDblClick();  // cancelled: nothing written
  std::filesystem::path script = fixture.folder / "double.scr";
  run.chooseScriptFile = [&] { return QString::fromStdString(script.string()); };
  run.StatusBarDblClick();
  EXPECT_TRUE(std::filesystem::exists(script));
}

}  // namespace
}  // namespace quenor
