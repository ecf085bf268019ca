// The load on its own, without a session: an index, a user interface and the
// renumbering state are all it needs, and it writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "gedcom/gedcom_index.h"
#include "gedcom/gedcom_loader.h"
#include "gedcom/record_fields.h"
#include "gedcom/renumbering.h"
#include "platform/cp1252.h"
#include "platform/worker_pool.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using namespace literals;

class StandaloneLoadTest : public ::testing::Test {
 protected:
  ~StandaloneLoadTest() override {
    std::error_code ignored;
    if (!renumbering.privateFolder.empty()) std::filesystem::remove_all(renumbering.privateFolder, ignored);
  }
  GedcomLoad Load(const std::string& bytes, const std::string& name = "f.ged") {
    testing::WriteBytes(folder / name, bytes);
    return LoadGedcom((folder / name).string(), ui, index, renumbering, workers);
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()),
                                                  std::filesystem::directory_iterator()));
  }

  testing::ScratchFolder folder;
  testing::RecordingUi ui;
  GedcomIndex index;
  RenumberingState renumbering;
  WorkerPool workers;
};

TEST_F(StandaloneLoadTest, GivesBackTheIndexTheListAndTheFileItRead) {
  const GedcomLoad load = Load("0 HEAD\n0 @I2@ INDI\n1 NAME Jean /Roy/\n1 FAMC @F1@\n0 @I1@ INDI\n1 NAME Ann /Roy/\n"
                               "0 @IX@ INDI\n1 NAME Sans /Numéro/\n0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n0 TRLR\n"_ansi);
  ASSERT_EQ(load.result, LoadResult::Loaded);
  EXPECT_EQ(load.textPath, (folder / "f.ged").string());
  EXPECT_EQ(load.dataFolder, Cp1252FromUtf8(folder.path().string()));
  EXPECT_FALSE(load.renumbered);
  EXPECT_EQ(load.skippedWithoutNumber, 1);
  ASSERT_EQ(load.list.Size(), 2u);  // in file order, not sorted yet
  EXPECT_EQ(load.list.Number(0), 2);
  EXPECT_EQ(load.list.Name(0), "Roy, Jean");
  EXPECT_EQ(index.IndividualCount(), 2);
  EXPECT_EQ(index.FamilyCount(), 1);
  EXPECT_EQ(FatherOf(index, 2), 1);
  // Only the user interface hears of it; the warning is the caller's to give.
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.statuses.back(), "Le fichier " + Cp1252FromUtf8((folder / "f.ged").string()) +
                                    " contient 2 individus et 1 mariages.   Extraction des données en cours..."_ansi);
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(StandaloneLoadTest, RenumberedCopyIsWhatTheIndexHolds) {
  const GedcomLoad load = Load("0 HEAD\n0 @I20000000@ INDI\n1 NAME Jean /Grand/\n0 TRLR\n", "grand.ged");
  ASSERT_EQ(load.result, LoadResult::Loaded);
  EXPECT_TRUE(load.renumbered);
  EXPECT_EQ(load.textPath, renumbering.copyPath);
  EXPECT_EQ(load.dataFolder, Cp1252FromUtf8(folder.path().string()));
  EXPECT_EQ(PersonName(index, 1, 1), "Grand, Jean");
  EXPECT_EQ(FilesInFolder(), 1u);

  // A later file that fits the tables is read as it is.
  const GedcomLoad next = Load("0 HEAD\n0 @I7@ INDI\n1 NAME Paul /Petit/\n0 TRLR\n", "petit.ged");
  ASSERT_EQ(next.result, LoadResult::Loaded);
  EXPECT_FALSE(next.renumbered);
  EXPECT_FALSE(renumbering.done);
  EXPECT_EQ(index.IndividualRecord(1), nullptr);
  EXPECT_EQ(PersonName(index, 1, 7), "Petit, Paul");
}

TEST_F(StandaloneLoadTest, RefusalLeavesAnEmptyIndexAndNoText) {
  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n0 TRLR\n").result, LoadResult::Loaded);
  const GedcomLoad refused = Load("pas un fichier GEDCOM\n");
  EXPECT_EQ(refused.result, LoadResult::Refused);
  EXPECT_TRUE(refused.textPath.empty());
  EXPECT_EQ(index.IndividualCount(), 0);
  EXPECT_EQ(index.IndividualRecord(1), nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Ce fichier n'a pas le format GEDCOM");
}

// --- the bounds of a load ---------------------------------------------------

TEST_F(StandaloneLoadTest, EachLoadHasItsOwnHighestNumbersAndLeavesNothingBehind) {
  ASSERT_EQ(Load("0 HEAD\n0 @I9999999@ INDI\n1 NAME Loin /Tout/\n1 FAMC @F4999999@\n0 @I3@ INDI\n1 NAME A /B/\n"
                 "0 @F4999999@ FAM\n1 CHIL @I9999999@\n0 TRLR\n").result,
            LoadResult::Loaded);
  EXPECT_EQ(index.HighestIndividual(), 9'999'999);
  EXPECT_EQ(index.HighestFamily(), 4'999'999);
  // Two persons do not make a table of ten million flat entries worth it.
  EXPECT_EQ(index.FlatIndividualLimit(), 16 * 2 + 65'536);
  EXPECT_EQ(index.FlatFamilyLimit(), 16 * 1 + 65'536);

  ASSERT_EQ(Load("0 HEAD\n0 @I5@ INDI\n1 NAME C /D/\n0 TRLR\n").result, LoadResult::Loaded);
  EXPECT_EQ(index.HighestIndividual(), 5);
  EXPECT_EQ(index.HighestFamily(), 0);
  EXPECT_EQ(index.FlatIndividualLimit(), 5);
  EXPECT_EQ(index.IndividualRecord(9'999'999), nullptr);
  EXPECT_EQ(index.ParentFamily(9'999'999), 0);
  EXPECT_EQ(index.IndividualRecord(3), nullptr);
  EXPECT_EQ(index.FamilyRecord(4'999'999), nullptr);
}

TEST_F(StandaloneLoadTest, RoomTakenIsThatOfTheFileAndGrowsForALargeNumber) {
  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n"
                 "1 MARR\n2 DATE 1900\n0 TRLR\n").result,
            LoadResult::Loaded);
  EXPECT_LT(index.Marriages().FamilyRoom(), 1000u);
  const std::string small(index.Marriages().Of(1));
  EXPECT_FALSE(small.empty());

  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n1 FAMS @F4999999@\n0 @F4999999@ FAM\n"
                 "1 HUSB @I1@\n1 MARR\n2 DATE 1900\n0 TRLR\n").result,
            LoadResult::Loaded);
  EXPECT_EQ(index.Marriages().Of(4'999'999), small);
  EXPECT_TRUE(index.Marriages().Of(1).empty());
}

TEST_F(StandaloneLoadTest, ALargeLoadIsClearedWholeToo) {
  std::string text = "0 HEAD\n";
  for (int n = 1; n <= 70'000; ++n) text += "0 @I" + std::to_string(n * 100) + "@ INDI\n1 NAME P /Q/\n1 FAMC @F1@\n";
  ASSERT_EQ(Load(text).result, LoadResult::Loaded);
  EXPECT_EQ(index.IndividualCount(), 70'000);
  EXPECT_EQ(index.FlatIndividualLimit(), 16 * 70'000 + 65'536);
  ASSERT_EQ(Load("0 HEAD\n0 @I7@ INDI\n1 NAME C /D/\n0 TRLR\n").result, LoadResult::Loaded);
  for (int32_t n : {100, 6'543'200, 7'000'000}) {
    EXPECT_EQ(index.IndividualRecord(n), nullptr) << n;
    EXPECT_EQ(index.ParentFamily(n), 0) << n;
  }
}

}  // namespace
}  // namespace quenor
