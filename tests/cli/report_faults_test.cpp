// quenor-cli under faults provoked for real: a file size limit, a read-only
// folder, the folder removed while the list is written, the program killed
// in the middle of a large list. The report that was there before stays
// whole, no partial file is left, and the user is told as always.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/faults.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using testing::ChildSetting;
using testing::DataFile;
using testing::NamesIn;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kOldList = "La liste complète d'une analyse précédente.\r\n";

// A file of `persons` individuals, married two by two: its list is about
// 100 bytes a person.
void WriteLargeGedcom(const std::filesystem::path& path, int persons) {
  std::string text = "0 HEAD\n1 CHAR ANSI\n";
  text.reserve(static_cast<std::size_t>(persons) * 90);
  char record[200];
  for (int n = 1; n <= persons; ++n) {
    std::snprintf(record, sizeof record, "0 @I%d@ INDI\n1 NAME Prenom%d /Nom%d/\n1 FAMS @F%d@\n", n, n % 997,
                  n % 7919, (n + 1) / 2);
    text += record;
  }
  for (int f = 1; f <= persons / 2; ++f) {
    std::snprintf(record, sizeof record, "0 @F%d@ FAM\n1 HUSB @I%d@\n1 WIFE @I%d@\n1 MARR\n2 DATE 12 MAY 18%02d\n"
                  "2 PLAC Saint-Germain-en-Laye\n", f, 2 * f - 1, 2 * f, f % 100);
    text += record;
  }
  text += "0 TRLR\n";
  WriteBytes(path, text);
}

class ReportFaultsTest : public ::testing::Test {
 protected:
  ReportFaultsTest() {
    std::filesystem::create_directory(Work());
    WriteBytes(Work() / "LstGED.TXT", kOldList);
  }
  ~ReportFaultsTest() override { chmod(Work().c_str(), 0755); }

  // The working folder holds the reports alone; the streams go beside it.
  std::filesystem::path Work() const { return scratch / "travail"; }
  ChildSetting Setting() const {
    ChildSetting setting;
    setting.folder = Work().string();
    setting.output = (scratch / "stdout.txt").string();
    setting.errors = (scratch / "stderr.txt").string();
    return setting;
  }
  int Cli(const std::vector<std::string>& arguments, const ChildSetting& setting) {
    std::vector<std::string> command{QUENOR_CLI};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return testing::WaitForChild(testing::StartProgram(command, setting));
  }
  std::string Errors() const { return ReadBytes(scratch / "stderr.txt"); }
  void ExpectOldListAlone() const {
    EXPECT_EQ(ReadBytes(Work() / "LstGED.TXT"), kOldList);
    EXPECT_EQ(NamesIn(Work().string()), std::vector<std::string>{"LstGED.TXT"});
  }
  // Starts `liste` on a large file and calls `fault` once the child has
  // written a few megabytes of the list; returns the child's exit code.
  int ListInterrupted(const std::function<void(pid_t)>& fault) {
    WriteLargeGedcom(scratch / "grand.ged", 400'000);
    const pid_t child = testing::StartProgram({QUENOR_CLI, "liste", (scratch / "grand.ged").string()}, Setting());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    bool caught = false;
    while (!caught && std::chrono::steady_clock::now() < deadline) {
      caught = testing::BytesBeingWritten(child, Work().string()) >= (4 << 20);
      if (!caught) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    EXPECT_TRUE(caught) << "the list was never seen half written";
    if (caught) fault(child);
    return testing::WaitForChild(child);
  }

  testing::ScratchFolder scratch;
};

TEST_F(ReportFaultsTest, AFileSizeLimitKeepsThePreviousList) {
  ChildSetting setting = Setting();
  setting.fileSizeLimit = 48 << 10;  // the list of royal92.ged is about 190 KB
  EXPECT_EQ(Cli({"liste", DataFile("royal92.ged").string()}, setting), 1);
  EXPECT_EQ(Errors(), "Erreur: Impossible d'écrire le fichier " + (Work() / "LstGED.TXT").string() +
                          ".\n\n  Vérifiez qu'il reste de la place sur le disque.\n");
  ExpectOldListAlone();
}

TEST_F(ReportFaultsTest, AReadOnlyFolderKeepsThePreviousList) {
  ASSERT_EQ(chmod(Work().c_str(), 0555), 0);
  ChildSetting setting = Setting();
  setting.ordinaryUser = true;
  EXPECT_EQ(Cli({"liste", DataFile("bronte.ged").string()}, setting), 1);
  EXPECT_EQ(Errors(), "Erreur: Impossible de créer le fichier " + (Work() / "LstGED.TXT").string() +
                          ".\n\n  Vérifiez que vous avez le droit d'écrire dans ce répertoire.\n");
  ExpectOldListAlone();
}

TEST_F(ReportFaultsTest, ScriptPdfAndSvgInAReadOnlyFolderKeepTheirPreviousFiles) {
  const std::filesystem::path closed = scratch / "fermé";
  std::filesystem::create_directory(closed);
  for (const char* name : {"e.scr", "e.pdf", "e.svg"}) WriteBytes(closed / name, name);
  ASSERT_EQ(chmod(closed.c_str(), 0555), 0);
  ChildSetting setting = Setting();
  setting.ordinaryUser = true;
  std::vector<std::string> arguments{"eventail", DataFile("royal92.ged").string(), "115", "--script",
                                     (closed / "e.scr").string()};
#ifdef QUENOR_CLI_DRAWS
  for (const char* option : {"--pdf", "--svg"}) {
    arguments.push_back(option);
    arguments.push_back((closed / (std::string("e.") + (option + 2))).string());
  }
#endif
  EXPECT_EQ(Cli(arguments, setting), 1);
  chmod(closed.c_str(), 0755);
  const std::string errors = Errors();
  EXPECT_NE(errors.find("Impossible de créer le fichier de commandes\n  " + (closed / "e.scr").string()),
            std::string::npos);
  for (const char* name : {"e.scr", "e.pdf", "e.svg"}) EXPECT_EQ(ReadBytes(closed / name), name);
  EXPECT_EQ(NamesIn(closed.string()), (std::vector<std::string>{"e.pdf", "e.scr", "e.svg"}));
#ifdef QUENOR_CLI_DRAWS
  EXPECT_NE(errors.find("Impossible d'écrire le fichier " + (closed / "e.pdf").string()), std::string::npos);
  EXPECT_NE(errors.find("Impossible d'écrire le fichier " + (closed / "e.svg").string()), std::string::npos);
#endif
}

TEST_F(ReportFaultsTest, TheFolderRemovedWhileTheListIsWrittenIsAFailure) {
  const int code = ListInterrupted([this](pid_t) { std::filesystem::remove_all(Work()); });
  EXPECT_EQ(code, 1);
  EXPECT_NE(Errors().find("Erreur: Impossible d'écrire le fichier " + (Work() / "LstGED.TXT").string()),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Work()));
}

TEST_F(ReportFaultsTest, KilledInTheMiddleOfALargeListTheOldListStaysWhole) {
  const int code = ListInterrupted([](pid_t child) { kill(child, SIGKILL); });
  EXPECT_EQ(code, 128 + SIGKILL);
  ExpectOldListAlone();
}

}  // namespace
}  // namespace quenor
