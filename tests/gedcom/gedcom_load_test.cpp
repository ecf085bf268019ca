// Loading GEDCOM files: the index, the refusals of bad input and the state
// the load leaves behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <cstring>
#include <random>

#include "gedcom/character_set.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::SessionFixture;

std::string Individual(const std::string& id, const std::string& name, const std::string& more = "") {
  return "0 @" + id + "@ INDI\n1 NAME " + name + "\n" + more;
}

class GedcomLoadTest : public ::testing::Test {
 protected:
  LoadResult LoadPath(const std::filesystem::path& path) { return LoadGedcomFile(fixture.session, path.string()); }
  LoadResult LoadBytes(const std::string& bytes) {
    const auto path = fixture.folder / "test.ged";
    testing::WriteBytes(path, bytes);
    return LoadPath(path);
  }
  const GedcomIndex& Index() const { return fixture.session.index; }
  bool AnalysisMenusEnabled() const {
    const MenuState& menus = fixture.session.menus;
    return menus.Enabled(MenuItem::mAscendance) || menus.Enabled(MenuItem::mLiens) ||
           menus.Enabled(MenuItem::mConsulter);
  }
  // The single message shown, which must be a stop message.
  std::string StopMessage() const {
    EXPECT_EQ(fixture.ui.messages.size(), 1u);
    if (fixture.ui.messages.empty()) return {};
    EXPECT_EQ(fixture.ui.messages.back().icon, MessageIcon::Stop);
    return fixture.ui.messages.back().text;
  }

  SessionFixture fixture;
};

// --- the index -------------------------------------------------------------

TEST_F(GedcomLoadTest, LettersOfIdentifiersDoNotMatterOnlyTheirDigits) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("P12", "Jean /Dupont/", "1 FAMS @F3@\n") +
                      "0 @F3@ FAM\n1 HUSB @P12@\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(PersonName(Index(), 1, 12), "Dupont, Jean");
  EXPECT_NE(Index().FamilyRecord(3), nullptr);
  EXPECT_EQ(HusbandOf(Index(), 3), 12);
  EXPECT_EQ(Index().IndividualCount(), 1);
  EXPECT_EQ(Index().FamilyCount(), 1);
}

TEST_F(GedcomLoadTest, IndividualWithoutNameIsNotIndexedAndShowsEmpty) {
  ASSERT_EQ(LoadBytes("0 HEAD\n0 @I1@ INDI\n1 SEX M\n1 FAMS @F1@\n" + Individual("I2", "Marie /Roy/") +
                      "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(Index().IndividualCount(), 1);
  EXPECT_EQ(Index().IndividualRecord(1), nullptr);
  EXPECT_EQ(PersonName(Index(), 0, HusbandOf(Index(), 1)), "");
  EXPECT_EQ(PersonName(Index(), 0, WifeOf(Index(), 1)), "Marie Roy");
}

TEST_F(GedcomLoadTest, HighestNumbersAcceptedByTheTables) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I10000000", "Jean /Dernier/", "1 FAMC @F5000000@\n") +
                      "0 @F5000000@ FAM\n1 CHIL @I10000000@\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(PersonName(Index(), 1, 10'000'000), "Dernier, Jean");
  EXPECT_EQ(Index().ParentFamily(10'000'000), 5'000'000);
  EXPECT_NE(Index().FamilyRecord(5'000'000), nullptr);
  EXPECT_GE(Index().HighestIndividual(), 10'000'000);
  EXPECT_EQ(fixture.session.renumbering.done, false);
}

TEST_F(GedcomLoadTest, RecordsAfterTheTrailerAreIgnoredAndNoTrailerIsFine) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I1", "A /B/") + "0 TRLR\n" + Individual("I2", "C /D/") +
                      "0 @F1@ FAM\n"),
            LoadResult::Loaded);
  EXPECT_EQ(Index().IndividualCount(), 1);
  EXPECT_EQ(Index().IndividualRecord(2), nullptr);
  EXPECT_EQ(Index().FamilyRecord(1), nullptr);

  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I1", "A /B/") + Individual("I2", "C /D/")), LoadResult::Loaded);
  EXPECT_EQ(Index().IndividualCount(), 2);
  EXPECT_EQ(PersonName(Index(), 1, 2), "D, C");
}

TEST_F(GedcomLoadTest, DuplicateNumbersAreBothCountedTheLaterWins) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I4", "Jean /Premier/") + Individual("I4", "Paul /Second/") +
                      "0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(Index().IndividualCount(), 2);
  EXPECT_EQ(PersonName(Index(), 1, 4), "Second, Paul");
}

TEST_F(GedcomLoadTest, PointersToMissingRecordsGiveEmptyFields) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I1", "Jean /Seul/", "1 FAMS @F99@\n1 FAMC @F77@\n") +
                      "0 @F5@ FAM\n1 HUSB @I55@\n1 WIFE @I1@\n1 CHIL @I66@\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(Index().ParentFamily(1), 77);
  EXPECT_EQ(FatherOf(Index(), 1), 0);
  EXPECT_EQ(CoupleName(Index(), 1), "");
  EXPECT_EQ(PersonName(Index(), 0, HusbandOf(Index(), 5)), "");
  EXPECT_EQ(MarriagesOf(Index(), 1)[0], "");
  EXPECT_NE(fixture.Report("LstGED.TXT").find("Seul, Jean"), std::string::npos);
}

TEST_F(GedcomLoadTest, IdentifiersWithoutDigitsAreLeftOutWithAWarning) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("IX", "Jean /Sans/") + "0 @FAMX@ FAM\n1 HUSB @IX@\n" +
                      Individual("I3", "Paul /Avec/") + "0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(Index().IndividualCount(), 1);
  EXPECT_EQ(Index().FamilyCount(), 0);
  EXPECT_EQ(Index().IndividualRecord(0), nullptr);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Warning);
  EXPECT_NE(fixture.ui.messages[0].text.find("2 enregistrements"), std::string::npos);
}

TEST_F(GedcomLoadTest, VeryLongLinesAreReadWithTheirLimits) {
  const std::string longName(100'000, 'x');
  const std::string longPlace(100'000, 'P');
  ASSERT_EQ(LoadBytes("0 HEAD " + std::string(100'000, 'h') + "\n" + Individual("I1", "Jean /" + longName + "/",
                      "1 NOTE " + std::string(100'000, 'n') + "\n1 FAMS @F1@\n") +
                      "0 @F1@ FAM\n1 MARR\n2 PLAC " + longPlace + "\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_LE(PersonName(Index(), 1, 1).size(), 40u);
  EXPECT_EQ(MarriagesOf(Index(), 1)[0], std::string(17, ' ') + " " + std::string(41, 'P'));
}

// --- refusals --------------------------------------------------------------

TEST_F(GedcomLoadTest, EmptyFileAndGarbageAreNotGedcom) {
  std::mt19937 random(1234);
  std::string garbage(4096, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  for (const std::string& bytes : {std::string(), garbage, std::string("\xEF\xBB\xBF"), std::string("\xFF\xFE")}) {
    fixture.ui.messages.clear();
    EXPECT_EQ(LoadBytes(bytes), LoadResult::Refused);
    EXPECT_EQ(StopMessage(), "Ce fichier n'a pas le format GEDCOM");
    EXPECT_EQ(fixture.ui.messages.back().caption, Cp1252FromUtf8((fixture.folder / "test.ged").string()));
    EXPECT_FALSE(AnalysisMenusEnabled());
  }
}

TEST_F(GedcomLoadTest, GarbageAfterTheHeaderNeverBreaksTheLoad) {
  std::mt19937 random(99);
  const char alphabet[] = "0123@ \n\r\nINDFAMSCHUBWLTRPE/\\\x97\xE9\xC3\xE1\0";
  for (int round = 0; round < 200; ++round) {
    std::string bytes = "0 HEAD\n";
    const std::size_t length = random() % 3000;
    for (std::size_t i = 0; i < length; ++i) {
      bytes.push_back(random() % 4 == 0 ? static_cast<char>(random()) : alphabet[random() % (sizeof alphabet - 1)]);
    }
    fixture.ui.messages.clear();
    const LoadResult result = LoadBytes(bytes);
    EXPECT_NE(result, LoadResult::MustClose) << round;
    if (result == LoadResult::Loaded) {
      EXPECT_TRUE(fixture.session.slots[kSlotAlphabeticalList].hasContent);
    }
  }
}

TEST_F(GedcomLoadTest, MissingFileFolderAndPipeAreRefusedWithAReason) {
  EXPECT_EQ(LoadPath(fixture.folder / "absent.ged"), LoadResult::Refused);
  EXPECT_NE(StopMessage().find("Impossible d'ouvrir ce fichier"), std::string::npos);

  fixture.ui.messages.clear();
  std::filesystem::create_directory(fixture.folder / "dossier.ged");
  EXPECT_EQ(LoadPath(fixture.folder / "dossier.ged"), LoadResult::Refused);
  EXPECT_NE(StopMessage().find("dossier"), std::string::npos);

  fixture.ui.messages.clear();
  ASSERT_EQ(mkfifo((fixture.folder / "tube.ged").c_str(), 0600), 0);
  EXPECT_EQ(LoadPath(fixture.folder / "tube.ged"), LoadResult::Refused);  // would wait for a writer forever
  EXPECT_NE(StopMessage().find("fichier ordinaire"), std::string::npos);
  EXPECT_FALSE(AnalysisMenusEnabled());
}

TEST_F(GedcomLoadTest, FileOver2GiBIsRefusedBeforeReading) {
  const auto path = fixture.folder / "huge.ged";
  testing::WriteBytes(path, "0 HEAD\n");
  ASSERT_EQ(truncate(path.c_str(), (off_t{1} << 31) + 10), 0);  // sparse: costs no disk
  EXPECT_EQ(LoadPath(path), LoadResult::Refused);
  EXPECT_NE(StopMessage().find("trop volumineux"), std::string::npos);
  EXPECT_FALSE(AnalysisMenusEnabled());
}

// --- state -----------------------------------------------------------------

TEST_F(GedcomLoadTest, RefusalAfterALoadLeavesNothingToConsult) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I1", "A /B/") + "0 TRLR\n"), LoadResult::Loaded);
  EXPECT_TRUE(fixture.session.menus.Enabled(MenuItem::mAscendance));
  EXPECT_TRUE(fixture.session.menus.Enabled(MenuItem::SubGEDListe));
  EXPECT_FALSE(fixture.session.menus.Enabled(MenuItem::AscStat));
  fixture.session.slots[kSlotStatistics].hasContent = true;

  EXPECT_EQ(LoadBytes("pas un fichier GEDCOM\n"), LoadResult::Refused);
  EXPECT_FALSE(AnalysisMenusEnabled());
  for (int slot = 0; slot <= 8; ++slot) {
    EXPECT_FALSE(fixture.session.slots[slot].hasContent) << slot;
    EXPECT_FALSE(fixture.session.slots[slot].shown) << slot;
  }
  EXPECT_EQ(Index().IndividualCount(), 0);
  EXPECT_EQ(Index().IndividualRecord(1), nullptr);
}

TEST_F(GedcomLoadTest, SecondLoadClearsReportFlagsAndTables) {
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I1", "A /B/") + Individual("I2", "C /D/") + "0 TRLR\n"),
            LoadResult::Loaded);
  fixture.session.slots[kSlotAncestryList].hasContent = true;
  fixture.session.slots[kSlotRootAncestors].hasContent = true;
  ASSERT_EQ(LoadBytes("0 HEAD\n" + Individual("I3", "E /F/") + "0 TRLR\n"), LoadResult::Loaded);
  EXPECT_FALSE(fixture.session.slots[kSlotAncestryList].hasContent);
  EXPECT_FALSE(fixture.session.slots[kSlotRootAncestors].hasContent);
  EXPECT_TRUE(fixture.session.slots[kSlotGedcom].hasContent);
  EXPECT_TRUE(fixture.session.slots[kSlotAlphabeticalList].hasContent);
  EXPECT_EQ(Index().IndividualRecord(1), nullptr);
  EXPECT_EQ(Index().IndividualCount(), 1);
}

TEST_F(GedcomLoadTest, LoadNeverWritesTheGedcomFile) {
  const auto path = fixture.folder / "garde.ged";
  const std::string bytes = "0 HEAD\r\n1 CHAR ANSEL\r\n" + Individual("I1", "Jean /Dupont/") + "0 TRLR\r\n";
  testing::WriteBytes(path, bytes);
  const auto before = std::filesystem::last_write_time(path);
  ASSERT_EQ(LoadPath(path), LoadResult::Loaded);
  EXPECT_EQ(testing::ReadBytes(path), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(path), before);
  EXPECT_EQ(fixture.session.SlotPath(kSlotGedcom), path.string());
  EXPECT_EQ(fixture.session.dataFolder, Cp1252FromUtf8(fixture.folder.path().string()));
  EXPECT_EQ(fixture.ui.caption, "Fichier de données: "_ansi + Cp1252FromUtf8(path.string()));
}

TEST_F(GedcomLoadTest, RealFilesLoad) {
  for (const char* name : {"royal92.ged", "555SAMPLE16BE.GED", "voidptr.ged", "TGC55C.ged"}) {
    fixture.ui.messages.clear();
    EXPECT_TRUE(fixture.LoadData(name)) << name;
    EXPECT_GT(Index().IndividualCount(), 0) << name;
  }
  // Its families @PARENTS@ and @ADOPTIVE_PARENTS@ carry no number.
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(fixture.ui.messages[0].text, "2 enregistrements dont l'identifiant ne porte aucun numéro ont été ignorés."_ansi);
  // No individual of this one has a name line.
  EXPECT_TRUE(fixture.LoadData("xref.ged"));
  EXPECT_EQ(Index().IndividualCount(), 0);
}

// --- the byte loops of the load, which look at eight bytes at a time ---------

std::string NormalizedOneByOne(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out.push_back(c);
      continue;
    }
    out.push_back('\n');
    if (i + 1 < text.size() && text[i + 1] == (c == '\r' ? '\n' : '\r')) ++i;
  }
  return out;
}

TEST(LoadByteLoops, LineEndsOfEveryFormAtEveryOffset) {
  std::mt19937 random(7);
  const char pieces[] = {'a', 'b', '\r', '\n', '\0', '\x8D', '\x8A'};
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 70, ' ');
    for (char& c : text) c = random() % 3 == 0 ? pieces[random() % sizeof pieces] : static_cast<char>('a' + random() % 26);
    std::string converted = text;
    converted.resize(NormalizeLineEnds(converted.data(), converted.size()));
    ASSERT_EQ(converted, NormalizedOneByOne(text)) << round;
  }
}

TEST(LoadByteLoops, AsciiRunsAroundUtf8LettersAtEveryOffset) {
  for (std::size_t before = 0; before < 20; ++before) {
    for (std::size_t after = 0; after < 20; ++after) {
      std::string text = std::string(before, 'x') + "\xC3\xA9" + std::string(after, 'y') + "\xC3\x89z";
      text.resize(ConvertUtf8ToCp1252(text.data(), text.size()));
      EXPECT_EQ(text, std::string(before, 'x') + "\xE9" + std::string(after, 'y') + "\xC9z") << before << " " << after;
    }
  }
  // A combining mark after a long ASCII run composes with its last letter.
  std::string composed = std::string(17, 'a') + "e\xCC\x81";
  composed.resize(ConvertUtf8ToCp1252(composed.data(), composed.size()));
  EXPECT_EQ(composed, std::string(17, 'a') + "\xE9");
}

// Every rule applied in turn to its first occurrence, none skipped.
std::string TranslatedRuleByRule(std::string text) {
  static const std::pair<const char*, const char*> kRules[] = {
      {" jan ", " jan "}, {" feb ", " fév "}, {" mar ", " mar "}, {" apr ", " avr "}, {" may ", " mai "},
      {" jun ", " jun "}, {" jul ", " jul "}, {" aug ", " aoû "}, {" sep ", " sep "}, {" oct ", " oct "},
      {" nov ", " nov "}, {" dec ", " déc "}, {"abt ", "vers "}, {"bef ", "avant "}, {"aft ", "après "},
      {"bet ", "entre "}, {" and ", " et "}};
  LowerCp1252InPlace(text);
  for (const auto& [found, by] : kRules) {
    const std::size_t at = text.find(found);
    if (at != std::string::npos) text.replace(at, std::strlen(found), Cp1252FromUtf8(by));
  }
  return text;
}

TEST(LoadByteLoops, DatesTranslatedAsByEveryRuleInTurn) {
  const char* words[] = {"ABT", "BEF", "AFT", "BET", "AND", "FEB", "DEC", "MAY", "AUG", "12", "1850", "EST", "FROM", "TO", "É"};
  std::mt19937 random(3);
  for (int round = 0; round < 3000; ++round) {
    std::string date;
    for (int w = 0, count = 1 + static_cast<int>(random() % 5); w < count; ++w) {
      date += (w > 0 ? " " : "") + Cp1252FromUtf8(words[random() % std::size(words)]);
    }
    ASSERT_EQ(TranslateDate(date), TranslatedRuleByRule(date)) << date;
  }
}

}  // namespace
}  // namespace quenor
