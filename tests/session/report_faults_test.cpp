// Every report the analyses write, and the renumbered copy, under a file
// size limit or in a folder that may not be written: the files of the
// earlier analysis stay whole, nothing partial is left, and the user gets
// the message of a report not written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ancestry/ancestry_analysis.h"
#include "fanchart/fan_script.h"
#include "gedcom/record_fields.h"
#include "kinship/kinship_search.h"
#include "platform/cp1252.h"
#include "tests/support/faults.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::NamesIn;
using testing::ReadBytes;
using testing::WriteBytes;

class ReportFaultsTest : public ::testing::Test {
 protected:
  ReportFaultsTest() { EXPECT_TRUE(fixture.LoadData("royal92.ged")); }
  ~ReportFaultsTest() override { chmod(Folder().c_str(), 0700); }

  std::string Folder() const { return fixture.folder.path().string(); }
  // Puts a file of the earlier analysis under each name.
  void PlantEarlierReports(const std::vector<std::string>& names) {
    for (const std::string& name : names) WriteBytes(fixture.folder / name, "ancien " + name);
  }
  // Each report is the earlier one, or complete (as `complete` has it): never
  // a part; and the folder holds nothing else.
  void ExpectEarlierOrComplete(const std::map<std::string, std::string>& complete) {
    std::vector<std::string> expected{"LstGED.TXT"};
    for (const auto& [name, bytes] : complete) {
      const std::string now = ReadBytes(fixture.folder / name);
      EXPECT_TRUE(now == "ancien " + name || now == bytes) << name << ": " << now.size() << " bytes";
      expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(Folder()), expected);
  }
  void ExpectNotWrittenMessage(const std::string& name) {
    ASSERT_FALSE(fixture.ui.messages.empty());
    const testing::RecordedMessage& message = fixture.ui.messages.back();
    EXPECT_EQ(message.caption, "Rapport non créé"_ansi);
    EXPECT_EQ(message.icon, MessageIcon::Stop);
    EXPECT_EQ(message.text.rfind("Impossible d'écrire le fichier "_ansi + Cp1252FromUtf8((fixture.folder / name).string()), 0),
              0u);
    EXPECT_EQ(ReadBytes(fixture.folder / name), "ancien " + name);
  }
  AncestryOutcome Analyse(const std::string& chosenLine) {
    fixture.session.chosenLine = chosenLine;
    fixture.session.selectionMode = 1;
    return AnalyseAncestry(fixture.session);
  }
  KinshipOutcome Search(int32_t first, int32_t second) {
    KinshipState& kinship = fixture.session.kinship;
    kinship.firstPerson = first;
    kinship.firstName = PersonName(fixture.session.index, 0, first);
    kinship.secondPerson = second;
    kinship.secondName = PersonName(fixture.session.index, 0, second);
    return SearchKinship(fixture.session);
  }
  // The reports a run without fault writes.
  std::map<std::string, std::string> Complete(const std::vector<std::string>& names) {
    std::map<std::string, std::string> reports;
    for (const std::string& name : names) reports[name] = fixture.Report(name);
    return reports;
  }

  testing::SessionFixture fixture;
};

const std::vector<std::string> kAncestryReports{"LstAscd.TXT", "Stat.TXT", "LstRep.TXT", "Consang.TXT"};
const std::vector<std::string> kCollateralReports{"LstSouch.TXT", "LignCol.TXT", "Parente.TXT"};
const std::vector<std::string> kDescentReports{"LstDesc.TXT", "OrgDesc.TXT"};

TEST_F(ReportFaultsTest, AncestryReportsStoppedByTheLimitLeaveTheEarlierOnes) {
  ASSERT_EQ(Analyse("    115"), AncestryOutcome::Analysed);
  const auto complete = Complete(kAncestryReports);
  ASSERT_GT(complete.at("LstAscd.TXT").size(), 4096u);
  PlantEarlierReports(kAncestryReports);
  {
    const testing::FileSizeLimit limit(4096);
    EXPECT_EQ(Analyse("    115"), AncestryOutcome::ReportFailed);
  }
  ExpectNotWrittenMessage("LstAscd.TXT");
  ExpectEarlierOrComplete(complete);
}

TEST_F(ReportFaultsTest, KinshipReportsStoppedByTheLimitLeaveTheEarlierOnes) {
  ASSERT_EQ(Search(115, 426), KinshipOutcome::RootAncestors);
  auto complete = Complete(kCollateralReports);
  ASSERT_EQ(Search(321, 115), KinshipOutcome::Descent);
  complete.merge(Complete(kDescentReports));
  // The lines, not the list of root ancestors, go beyond the limit.
  ASSERT_LT(complete.at("LstSouch.TXT").size(), 1024u);
  ASSERT_GT(complete.at("LignCol.TXT").size(), 1024u);
  ASSERT_GT(complete.at("LstDesc.TXT").size(), 1024u);

  PlantEarlierReports(kCollateralReports);
  PlantEarlierReports(kDescentReports);
  const testing::FileSizeLimit limit(1024);
  EXPECT_EQ(Search(115, 426), KinshipOutcome::NotWritten);
  ExpectNotWrittenMessage("LignCol.TXT");
  EXPECT_EQ(Search(321, 115), KinshipOutcome::NotWritten);
  ExpectNotWrittenMessage("LstDesc.TXT");
  ExpectEarlierOrComplete(complete);
}

TEST_F(ReportFaultsTest, AReadOnlyFolderKeepsEveryEarlierReport) {
  ASSERT_EQ(Analyse("    115"), AncestryOutcome::Analysed);
  PlantEarlierReports(kAncestryReports);
  PlantEarlierReports(kCollateralReports);
  ASSERT_EQ(chmod(Folder().c_str(), 0555), 0);
  testing::ChildSetting ordinaryUser;
  ordinaryUser.ordinaryUser = true;
  const int code = testing::RunInChild(
      [this] {
        const bool ancestryRefused = Analyse("    115") == AncestryOutcome::ReportFailed;
        const bool kinshipRefused = Search(115, 426) == KinshipOutcome::NotWritten;
        return ancestryRefused && kinshipRefused && fixture.ui.messages.size() == 2 ? 0 : 1;
      },
      ordinaryUser);
  EXPECT_EQ(code, 0);
  chmod(Folder().c_str(), 0700);
  std::map<std::string, std::string> nothingComplete;
  for (const auto& names : {kAncestryReports, kCollateralReports}) {
    for (const std::string& name : names) nothingComplete[name] = "ancien " + name;
  }
  ExpectEarlierOrComplete(nothingComplete);
}

TEST_F(ReportFaultsTest, AScriptStoppedByTheLimitLeavesTheEarlierOne) {
  ASSERT_EQ(Analyse("    115"), AncestryOutcome::Analysed);
  const std::string path = (fixture.folder / "Eventail.scr").string();
  WriteBytes(path, "ancien script");
  fixture.ui.messages.clear();
  {
    const testing::FileSizeLimit limit(8192);
    EXPECT_EQ(ExportFanScript(fixture.session, path), ScriptExport::WriteFailed);
  }
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].text, "Erreur d'écriture du fichier de commandes\n"_ansi + Cp1252FromUtf8(path));
  EXPECT_EQ(ReadBytes(path), "ancien script");
  EXPECT_EQ(ExportFanScript(fixture.session, path), ScriptExport::Written);
  EXPECT_GT(ReadBytes(path).size(), 8192u);
}

TEST_F(ReportFaultsTest, ARenumberedCopyStoppedByTheLimitLeavesTheEarlierCopy) {
  ASSERT_TRUE(fixture.LoadText("0 HEAD\n0 @I12000000@ INDI\n1 NAME Jean /Grand/\n0 TRLR\n", "grand.ged"));
  const RenumberingState& renumbering = fixture.session.renumbering;
  const std::string earlierCopy = ReadBytes(renumbering.copyPath);
  std::string large = "0 HEAD\n";
  for (int n = 0; n < 2000; ++n) large += "0 @I" + std::to_string(20'000'000 + n) + "@ INDI\n1 NAME Paul /Long/\n";
  large += "0 TRLR\n";
  WriteBytes(fixture.folder / "long.ged", large);
  fixture.ui.messages.clear();
  LoadResult result = LoadResult::Loaded;
  {
    const testing::FileSizeLimit limit(8192);
    result = LoadGedcomFile(fixture.session, (fixture.folder / "long.ged").string());
  }
  EXPECT_EQ(result, LoadResult::Refused);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].text.rfind("Impossible d'écrire le fichier renuméroté"_ansi, 0), 0u);
  EXPECT_EQ(ReadBytes(renumbering.copyPath), earlierCopy);
  EXPECT_EQ(NamesIn(renumbering.privateFolder), std::vector<std::string>{"GEDCOM renuméroté"});
  std::error_code ignored;
  std::filesystem::remove_all(renumbering.privateFolder, ignored);
}

}  // namespace
}  // namespace quenor
