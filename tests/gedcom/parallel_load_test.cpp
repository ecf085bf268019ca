// A load gives the same index, the same messages in the same order and the
// same alphabetical list whatever its threads and however its work is cut:
// on every file of tests/data, and on files whose blocks cut records, line
// ends and characters at every place.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "gedcom/character_set.h"
#include "gedcom/record_blocks.h"
#include "platform/cp1252.h"
#include "platform/user_interface.h"
#include "session/gedcom_opening.h"
#include "session/session.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using testing::DataFile;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// Every call the core makes to the user interface, in order.
class EventLogUi : public UserInterface {
 public:
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override {
    events.push_back("message " + caption + " | " + text + " | " + std::to_string(static_cast<int>(icon)));
  }
  void ShowStatus(const std::string& text) override { events.push_back("status " + text); }
  void ShowReport(int slot, int headingLines) override {
    events.push_back("report " + std::to_string(slot) + " " + std::to_string(headingLines));
  }
  void HideReport() override { events.push_back("hide"); }
  void SetCaption(const std::string& text) override { events.push_back("caption " + text); }
  void MenusChanged() override { events.push_back("menus"); }

  std::vector<std::string> events;
};

// What a load leaves: the index told record by record, the user interface's
// log and the alphabetical list.
struct LoadOutcome {
  LoadResult result = LoadResult::Refused;
  std::vector<std::string> events;
  std::string individuals;  // "n parent-family: record text" of every indexed number
  std::string families;
  std::vector<int32_t> offsets;  // every record offset, individuals then families
  std::string counts;
  std::string list;
};

struct Cutting {
  unsigned threads;
  std::size_t records;  // LoadBlockSizes::records
  std::size_t read;     // LoadBlockSizes::read
};

std::string Describe(const Cutting& c) {
  return std::to_string(c.threads) + " threads, blocks of " + std::to_string(c.records) + " bytes, read by " +
         std::to_string(c.read);
}

LoadOutcome LoadWith(const std::string& path, const Cutting& cutting) {
  ScratchFolder work;
  EventLogUi ui;
  const FixedClock clock(CalendarDate{2024, 3, 15});
  Session session(ui, work.path().string(), clock);
  session.workers.SetThreads(cutting.threads);
  session.loadBlocks.records = cutting.records;
  session.loadBlocks.read = cutting.read;
  LoadOutcome outcome;
  outcome.result = LoadGedcomFile(session, path);
  outcome.events = ui.events;
  // A renumbered copy lies in a folder of its own, named anew by each load.
  if (const std::string& copies = session.renumbering.privateFolder; !copies.empty()) {
    const std::string shown = Cp1252FromUtf8(copies);
    for (std::string& event : outcome.events) {
      for (std::size_t at = event.find(shown); at != std::string::npos; at = event.find(shown)) {
        event.replace(at, shown.size(), "<copies>");
      }
    }
    std::error_code ignored;
    std::filesystem::remove_all(copies, ignored);
  }
  const GedcomIndex& index = session.index;
  for (int32_t n = 0; n <= index.HighestIndividual(); ++n) {
    if (const char* record = index.IndividualRecord(n)) {
      outcome.individuals += std::to_string(n) + " " + std::to_string(index.ParentFamily(n)) + ": " + record + "\n";
    }
    outcome.offsets.push_back(index.Individual(n).recordOffset);
  }
  for (int32_t f = 0; f <= index.HighestFamily(); ++f) {
    if (const char* record = index.FamilyRecord(f)) {
      const FamilyEntry family = index.Family(f);
      outcome.families += std::to_string(f) + " " + std::to_string(family.husband) + " " + std::to_string(family.wife) +
                          " " + std::string(index.Marriages().Of(f)) + ": " + record + "\n";
    }
    outcome.offsets.push_back(index.Family(f).recordOffset);
  }
  outcome.counts = std::to_string(index.IndividualCount()) + " " + std::to_string(index.FamilyCount()) + " " +
                   std::to_string(index.HighestIndividual()) + " " + std::to_string(index.HighestFamily());
  outcome.list = ReadBytes(work / "LstGED.TXT");
  return outcome;
}

// The same load, told apart from `reference` only where it differs. Offsets
// are compared only between loads cut into the same blocks: what conversion
// frees between blocks shifts the records that follow.
void ExpectSameLoad(const LoadOutcome& reference, const LoadOutcome& load, const std::string& what,
                    bool sameBlocks) {
  EXPECT_EQ(load.result, reference.result) << what;
  EXPECT_EQ(load.events, reference.events) << what;
  EXPECT_EQ(load.counts, reference.counts) << what;
  EXPECT_EQ(load.individuals, reference.individuals) << what;
  EXPECT_EQ(load.families, reference.families) << what;
  EXPECT_TRUE(load.list == reference.list) << what << ": the alphabetical lists differ";
  if (sameBlocks) {
    EXPECT_EQ(load.offsets, reference.offsets) << what;
  }
}

constexpr std::size_t kDefaultRecords = LoadBlockSizes{}.records;
constexpr std::size_t kDefaultRead = LoadBlockSizes{}.read;

// --- every file of tests/data -------------------------------------------------

class EveryDataFile : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryDataFile, SameIndexMessagesAndListWhateverTheThreadsAndBlocks) {
  const std::string path = DataFile(GetParam()).string();
  const LoadOutcome reference = LoadWith(path, {1, kDefaultRecords, kDefaultRead});
  ASSERT_FALSE(reference.events.empty());
  for (unsigned threads : {2u, 3u, 8u}) {
    const Cutting cutting{threads, kDefaultRecords, kDefaultRead};
    ExpectSameLoad(reference, LoadWith(path, cutting), Describe(cutting), true);
  }
  // Small blocks: many of them, cut at every record or nearly.
  for (const Cutting& cutting : {Cutting{1, 64, 4093}, Cutting{3, 1, 509}, Cutting{8, 997, 65}, Cutting{2, 1, 4096}}) {
    ExpectSameLoad(reference, LoadWith(path, cutting), Describe(cutting), false);
  }
}

INSTANTIATE_TEST_SUITE_P(
    TestData, EveryDataFile,
    ::testing::Values("royal92.ged", "pres2020.ged", "bourbon.ged", "kennedy.ged", "washington.ged", "bach.ged",
                      "shakespeare.ged", "bronte.ged", "basic.ged", "input.ged", "TGC55C.ged", "TGC551.ged",
                      "TGC55CLF.ged", "TGC551LF.ged", "555SAMPLE.GED", "555SAMPLE16LE.GED", "555SAMPLE16BE.GED",
                      "REMARR.GED", "SSMARR.GED", "MINIMAL555.GED", "maximal70.ged", "remarriage1.ged", "voidptr.ged",
                      "xref.ged"),
    [](const ::testing::TestParamInfo<const char*>& info) {
      std::string name = info.param;
      std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
      return name;
    });

// --- files cut everywhere -------------------------------------------------------

// A family file in UTF-8 whose line ends are of every form, with accented
// names (two- and three-byte characters, a letter and its combining accent),
// a record without a number, a number used twice (the later record wins),
// a NUL inside a note, a person whose record is the header, and records after
// the trailer.
std::string AwkwardUtf8File(const std::string& lineEnd) {
  auto line = [&](const std::string& text) { return text + lineEnd; };
  std::string file = line("0 HEAD") + line("1 CHAR UTF-8") + line("1 SOUR Cœur");
  file += line("0 @I1@ INDI") + line("1 NAME Jean-Édouard /Lefèvre/") + line("1 FAMS @F1@") + line("1 FAMS @F3@");
  file += line("0 @I2@ INDI") + line("1 NAME Anaïs Œillet /Dupré/") + "1 FAMS @F1@\r\n";
  file += line("0 @I3@ INDI") + line("1 NAME Rene\xCC\x81 /Ma\xCC\x82tre/") + line("1 FAMC @F1@") + std::string("1 NOTE a\0b\n", 11);
  file += line("0 @IX@ INDI") + line("1 NAME Sans /Numéro/");
  file += line("0 @I4@ INDI") + "1 NAME Zoé /Ça€va/\n\r" + line("1 FAMS @F3@");
  file += line("0 @I3@ INDI") + line("1 NAME Renée /Maître-d'Hôtel/") + line("1 FAMC @F1@");
  file += line("0 @F1@ FAM") + line("1 HUSB @I1@") + line("1 WIFE @I2@") + line("1 MARR") +
          line("2 DATE 12 FEB 1850") + line("2 PLAC Saint-Étienne, Loire,") + line("1 CHIL @I3@");
  file += line("0 @F3@ FAM") + line("1 HUSB @I1@") + line("1 WIFE @I4@") + line("1 MARR") +
          "2 PLAC Montréal\r";
  file += line("0 TRLR");
  file += line("0 @I9@ INDI") + line("1 NAME Après /LaFin/");
  return file;
}

// The same family in ANSEL, accents as combining marks before their letters.
std::string AwkwardAnselFile() {
  std::string file = "0 HEAD\r\n1 CHAR ANSEL\r\n";
  file += "0 @I1@ INDI\r\n1 NAME Jean-\xE2" "Edouard /Lef\xE1" "evre/\r\n1 FAMS @F1@\r\n";
  file += "0 @I2@ INDI\r\n1 NAME Ana\xE8" "is /Dupr\xE2" "e/\r\n1 FAMS @F1@\r\n";
  file += "0 @I3@ INDI\r\n1 NAME Fran\xF0" "coise /Ma\xE3" "\xE2" "itre/\r\n1 FAMC @F1@\r\n";
  file += "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 MARR\r\n2 PLAC Saint-\xE2" "Etienne\r\n1 CHIL @I3@\r\n";
  file += "0 TRLR\r\n";
  return file;
}

class CutEverywhere : public ::testing::Test {
 protected:
  // Loads `bytes` cut into blocks of every size up to the file's and read in
  // pieces of a few sizes, on a few threads, against one plain load.
  void ExpectSameWhateverTheCuts(const std::string& bytes) {
    WriteBytes(folder / "cut.ged", bytes);
    const std::string path = (folder / "cut.ged").string();
    const LoadOutcome reference = LoadWith(path, {1, kDefaultRecords, kDefaultRead});
    ASSERT_EQ(reference.result, LoadResult::Loaded);
    const unsigned threads[] = {1, 2, 3, 8};
    for (std::size_t records = 1; records <= bytes.size(); records += records < 48 ? 1 : 11) {
      const Cutting cutting{threads[records % 4], records, 1 + records % 7};
      ExpectSameLoad(reference, LoadWith(path, cutting), Describe(cutting), false);
    }
  }

  ScratchFolder folder;
};

TEST_F(CutEverywhere, Utf8WithCarriageReturnLineFeed) { ExpectSameWhateverTheCuts(AwkwardUtf8File("\r\n")); }
TEST_F(CutEverywhere, Utf8WithLineFeedCarriageReturn) { ExpectSameWhateverTheCuts(AwkwardUtf8File("\n\r")); }
TEST_F(CutEverywhere, Utf8WithCarriageReturnsAlone) { ExpectSameWhateverTheCuts(AwkwardUtf8File("\r")); }
TEST_F(CutEverywhere, Utf8WithAByteOrderMark) { ExpectSameWhateverTheCuts("\xEF\xBB\xBF" + AwkwardUtf8File("\n")); }
TEST_F(CutEverywhere, AnselMarksBeforeTheirLetters) { ExpectSameWhateverTheCuts(AwkwardAnselFile()); }

TEST_F(CutEverywhere, AFileWithoutCharacterSetLineIsJudgedOnAllItsBlocks) {
  // Well-formed UTF-8 throughout, but the only character beyond ASCII lies
  // in the last block: the file is still read as UTF-8. One bad byte in the
  // first block makes it ANSI, however far from the accented one.
  std::string file = "0 HEAD\n";
  for (int i = 1; i <= 40; ++i) file += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Jean /Martin/\n";
  const std::string utf8 = file + "0 @I99@ INDI\n1 NAME Hélène /Ély/\n0 TRLR\n";
  ExpectSameWhateverTheCuts(utf8);
  WriteBytes(folder / "late.ged", utf8);
  ScratchFolder work;
  EventLogUi ui;
  const FixedClock clock(CalendarDate{2024, 3, 15});
  Session session(ui, work.path().string(), clock);
  session.workers.SetThreads(3);
  session.loadBlocks = {7, 16};
  ASSERT_EQ(LoadGedcomFile(session, (folder / "late.ged").string()), LoadResult::Loaded);
  EXPECT_EQ(std::string(session.index.IndividualRecord(99)), "0 @I99@ INDI\n1 NAME H\xE9l\xE8ne /\xC9ly/");
  std::string ansi = utf8;
  ansi.replace(ansi.find("Jean"), 4, "J\xE9" "an");
  ExpectSameWhateverTheCuts(ansi);
}

TEST_F(CutEverywhere, ANumberTooLargeRenumbersTheFileWhateverTheCuts) {
  const std::string file =
      "0 HEAD\r\n0 @I12345678901@ INDI\r\n1 NAME Jean /Grand/\r\n1 FAMS @F7@\r\n0 @I2@ INDI\r\n1 NAME Ann /Roy/\r\n"
      "0 @F7@ FAM\r\n1 HUSB @I12345678901@\r\n1 WIFE @I2@\r\n0 TRLR\r\n";
  ExpectSameWhateverTheCuts(file);
}

// --- the blocks themselves ------------------------------------------------------

TEST(RecordBlocks, EveryBlockStartsARecordAfterALineEndOfAnyForm) {
  const std::string raw = "0 HEAD\r\n1 X 0\r\n0 @I1@ INDI\n\r0 @I2@ INDI\r0 @F1@ FAM\r\n1 CHIL 0\r\n0 TRLR\r\n";
  for (std::size_t size = 1; size <= raw.size() + 1; ++size) {
    const std::vector<std::size_t> starts = RecordBlockStarts(raw, size);
    ASSERT_FALSE(starts.empty());
    EXPECT_EQ(starts.front(), 0u);
    for (std::size_t k = 1; k < starts.size(); ++k) {
      EXPECT_LT(starts[k - 1], starts[k]);
      EXPECT_EQ(raw[starts[k]], '0') << "blocks of " << size;
      EXPECT_TRUE(raw[starts[k] - 1] == '\n' || raw[starts[k] - 1] == '\r') << "blocks of " << size;
    }
  }
  // Blocks of one byte: a block for every record.
  EXPECT_EQ(RecordBlockStarts(raw, 1), (std::vector<std::size_t>{0, 15, 28, 40, 62}));
  // A block as large as the text: one block.
  EXPECT_EQ(RecordBlockStarts(raw, raw.size()), (std::vector<std::size_t>{0}));
}

TEST(RecordBlocks, EachBlockConvertsAsTheWholeTextWould) {
  // Converted apart and put side by side, the blocks give the text converted
  // whole, record texts cut by NUL, whatever the character set.
  const std::string raw = AwkwardUtf8File("\r\n");
  for (const CharacterSet charset : {CharacterSet::Utf8, CharacterSet::Ansi, CharacterSet::Oem, CharacterSet::Ansel}) {
    std::string whole = raw + '\0';
    whole.resize(ConvertRecordBlock(whole.data(), raw.size(), charset));
    for (std::size_t size : {1u, 5u, 33u, 100u}) {
      const std::vector<std::size_t> starts = RecordBlockStarts(raw, size);
      std::string joined;
      for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : raw.size();
        std::string block = raw.substr(starts[k], end - starts[k]) + '\0';
        block.resize(ConvertRecordBlock(block.data(), end - starts[k], charset));
        joined += block;
      }
      EXPECT_TRUE(joined == whole) << "character set " << static_cast<int>(charset) << ", blocks of " << size;
    }
  }
}

}  // namespace
}  // namespace quenor
