// Saving the shown report and printing it (to PDF files: no printer needed).
#include <gtest/gtest.h>

#include <QPrinter>

#include "shell/report_viewer.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/faults.h"

namespace quenor {
namespace {

void PrintToPdf(QPrinter& printer, const std::filesystem::path& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path.string()));
}

TEST(SavePrint, SavingWritesTheShownReportAsItIs) {
  testing::MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  const auto path = fixture.folder() / "copie.txt";
  ASSERT_TRUE(fixture.window().SaveShownReport(QString::fromStdString(path.string())));
  EXPECT_EQ(testing::ReadBytes(path), fixture.ReadList());
}

TEST(SavePrint, SavingIntoAMissingFolderTellsTheUser) {
  testing::MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  EXPECT_FALSE(fixture.window().SaveShownReport(QString::fromStdString((fixture.folder() / "absent" / "x.txt").string())));
  const auto messages = fixture.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
}

TEST(SavePrint, ASaveStoppedByAFileSizeLimitKeepsTheEarlierFile) {
  testing::MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  const auto path = fixture.folder() / "sauvegarde";
  std::filesystem::create_directory(path);
  testing::WriteBytes(path / "copie.txt", "la sauvegarde d'hier");
  bool saved = true;
  {
    const testing::FileSizeLimit limit(48 << 10);  // the list is about 190 KB
    saved = fixture.window().SaveShownReport(QString::fromStdString((path / "copie.txt").string()));
  }
  EXPECT_FALSE(saved);
  const auto messages = fixture.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QString::fromUtf8("Impossible d'écrire le fichier ") +
                                  QString::fromStdString((path / "copie.txt").string()));
  EXPECT_EQ(testing::ReadBytes(path / "copie.txt"), "la sauvegarde d'hier");
  EXPECT_EQ(testing::NamesIn(path.string()), std::vector<std::string>{"copie.txt"});
}

TEST(SavePrint, TheShownReportPrintsToPdf) {
  testing::MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  QPrinter printer(QPrinter::HighResolution);
  const auto pdf = fixture.folder() / "liste.pdf";
  PrintToPdf(printer, pdf);
  ASSERT_TRUE(fixture.window().PrintShownReport(printer));
  const std::string bytes = testing::ReadBytes(pdf);
  EXPECT_TRUE(bytes.starts_with("%PDF"));
  EXPECT_GT(bytes.size(), 20000u);
  EXPECT_TRUE(fixture.TakeMessages().empty());
}

TEST(SavePrint, AnEmptyReportHasNothingToPrint) {
  testing::MainWindowFixture fixture;
  testing::WriteBytes(fixture.folder() / "vide.ged", "0 HEAD\n0 TRLR\n");
  fixture.window().OpenGedcomFile(QString::fromStdString((fixture.folder() / "vide.ged").string()));
  fixture.TakeMessages();
  // Consult the GEDCOM text itself: two lines, so one line after the first.
  fixture.window().viewer().SetText("Titre seul\r\n");
  QPrinter printer(QPrinter::HighResolution);
  const auto pdf = fixture.folder() / "vide.pdf";
  PrintToPdf(printer, pdf);
  EXPECT_FALSE(fixture.window().PrintShownReport(printer));
  const auto messages = fixture.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QString::fromUtf8("Le rapport affiché ne contient aucune ligne à imprimer."));
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST(SavePrint, TheOpenDocumentationPrintsInsteadOfTheReport) {
  testing::MainWindowFixture fixture;
  testing::WriteBytes(fixture.folder() / "qrmd.rtf", testing::ReadBytes(QUENOR_GUIDE_FILE));
  fixture.Load("royal92.ged");
  fixture.window().AideDocClick();
  QPrinter printer(QPrinter::HighResolution);
  const auto pdf = fixture.folder() / "doc.pdf";
  PrintToPdf(printer, pdf);
  ASSERT_TRUE(fixture.window().PrintShownReport(printer));
  EXPECT_EQ(printer.docName(), QStringLiteral("Documentation Quenor"));
  EXPECT_TRUE(testing::ReadBytes(pdf).starts_with("%PDF"));
}

}  // namespace
}  // namespace quenor
