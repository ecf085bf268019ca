// What the load keeps of each family (its husband, its wife, its marriage
// line) is what the family's record says, record by record, on every file
// of tests/data and on the awkward cases: a number given twice, a pointer
// without a number, a family past the trailer, a new load or a refused one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gedcom/gedcom_index.h"
#include "gedcom/gedcom_loader.h"
#include "gedcom/record_fields.h"
#include "gedcom/renumbering.h"
#include "platform/worker_pool.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

class FamilyFieldsTest : public ::testing::Test {
 protected:
  ~FamilyFieldsTest() override {
    std::error_code ignored;
    if (!renumbering.privateFolder.empty()) std::filesystem::remove_all(renumbering.privateFolder, ignored);
  }
  LoadResult LoadFile(const std::filesystem::path& path) {
    return LoadGedcom(path.string(), ui, index, renumbering, workers).result;
  }
  LoadResult Load(const std::string& bytes) {
    testing::WriteBytes(folder / "f.ged", bytes);
    return LoadFile(folder / "f.ged");
  }

  // Every family number up to a little past the highest: the fields kept
  // against those read again from the record.
  void ExpectFieldsOfRecords(const std::string& what) const {
    for (int32_t f = 0; f <= index.HighestFamily() + 2; ++f) {
      const char* record = index.FamilyRecord(f);
      std::string marriage;
      if (record != nullptr) AppendRecordMarriageLine(record, marriage);
      EXPECT_EQ(HusbandOf(index, f), record ? HusbandOfRecord(record) : 0) << what << " F" << f;
      EXPECT_EQ(WifeOf(index, f), record ? WifeOfRecord(record) : 0) << what << " F" << f;
      EXPECT_EQ(MarriageLine(index, f), marriage) << what << " F" << f;
    }
  }

  testing::ScratchFolder folder;
  testing::RecordingUi ui;
  GedcomIndex index;
  RenumberingState renumbering;
  WorkerPool workers{2};
};

TEST_F(FamilyFieldsTest, EveryFamilyOfEverySampleFileAsItsRecordSays) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::DataFile(""))) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".ged" && extension != ".GED") continue;
    ++files;
    ASSERT_EQ(LoadFile(entry.path()), LoadResult::Loaded) << entry.path();
    ExpectFieldsOfRecords(entry.path().filename().string());
  }
  EXPECT_GE(files, 20);
}

TEST_F(FamilyFieldsTest, TheLaterRecordOfANumberWinsAndPointersWithoutNumbersNameNobody) {
  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n0 @I2@ INDI\n1 NAME C /D/\n"
                 "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 12 FEB 1850\n2 PLAC Paris\n"
                 "0 @F2@ FAM\n1 HUSB @VOID@\n1 WIFE @I2@\n"
                 "0 @F1@ FAM\n1 WIFE @I1@\n1 MARR\n2 DATE 1900\n"
                 "0 TRLR\n0 @F3@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 1901\n"),
            LoadResult::Loaded);
  EXPECT_EQ(HusbandOf(index, 1), 0);
  EXPECT_EQ(WifeOf(index, 1), 1);
  EXPECT_EQ(MarriageLine(index, 1), "             1900 ");
  EXPECT_EQ(HusbandOf(index, 2), 0);
  EXPECT_EQ(WifeOf(index, 2), 2);
  EXPECT_EQ(MarriageLine(index, 2), "");
  // Past the trailer nothing is indexed.
  EXPECT_EQ(HusbandOf(index, 3), 0);
  EXPECT_EQ(MarriageLine(index, 3), "");
  ExpectFieldsOfRecords("hand-made");
}

TEST_F(FamilyFieldsTest, ANewLoadOrARefusedOneLeavesNothingOfTheFamiliesBefore) {
  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n0 @F7@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 1850\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(HusbandOf(index, 7), 1);
  EXPECT_FALSE(MarriageLine(index, 7).empty());

  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n0 @F8@ FAM\n1 WIFE @I1@\n1 MARR\n2 PLAC Lyon\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(HusbandOf(index, 7), 0);
  EXPECT_EQ(MarriageLine(index, 7), "");
  EXPECT_EQ(WifeOf(index, 8), 1);
  EXPECT_EQ(MarriageLine(index, 8), "                  Lyon");

  ASSERT_NE(Load("Ceci n'est pas un fichier GEDCOM\n"), LoadResult::Loaded);
  EXPECT_EQ(WifeOf(index, 8), 0);
  EXPECT_EQ(MarriageLine(index, 8), "");
}

}  // namespace
}  // namespace quenor
