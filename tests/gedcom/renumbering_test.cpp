// Renumbering of files whose record numbers exceed the tables: the text of
// the copy, and the whole road from the chosen file to the reloaded copy.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "gedcom/record_fields.h"
#include "gedcom/renumbering.h"
#include "platform/cp1252.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::SessionFixture;

std::string Renumber(const std::string& text, RenumberingSummary* summary = nullptr) {
  RenumberingSummary ignored;
  return RenumberGedcomText(text, summary != nullptr ? *summary : ignored);
}

// --- the text of the copy --------------------------------------------------

TEST(RenumberText, RecordsNumberedInFileOrderAndEveryPointerFollows) {
  const std::string text =
      "0 HEAD\n"
      "0 @I12000000@ INDI\n1 NAME Jean /Grand/\n1 FAMS @F7@\n"
      "0 @I5@ INDI\n1 NAME Marie /Petit/\n1 FAMS @F7@\n1 FAMC @F900@\n"
      "0 @I20000@ INDI\n1 NAME Paul /Grand/\n1 FAMC @F7@\n"
      "0 @F7@ FAM\n1 HUSB @I12000000@\n1 WIFE @I5@\n1 CHIL @I20000@\n"
      "0 @F900@ FAM\n1 CHIL @I5@\n"
      "0 TRLR\n";
  RenumberingSummary summary;
  EXPECT_EQ(Renumber(text, &summary),
            "0 HEAD\n"
            "0 @I1@ INDI\n1 NAME Jean /Grand/\n1 FAMS @F1@\n"
            "0 @I2@ INDI\n1 NAME Marie /Petit/\n1 FAMS @F1@\n1 FAMC @F2@\n"
            "0 @I3@ INDI\n1 NAME Paul /Grand/\n1 FAMC @F1@\n"
            "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
            "0 @F2@ FAM\n1 CHIL @I2@\n"
            "0 TRLR\n");
  EXPECT_EQ(summary.highestOldIndividual, 12'000'000);
  EXPECT_EQ(summary.individuals, 3);
  EXPECT_EQ(summary.highestOldFamily, 900);
  EXPECT_EQ(summary.families, 2);
}

TEST(RenumberText, LinesWithoutIdentifiersAreCopiedByteForByte) {
  const std::string untouched =
      "0 HEAD\r\n1 CHAR ANSEL\r\n2 DATE 12 FEB 1850\r\n2 PLAC Saint-\xC9tienne, Loire\r\n"
      "1 EMAIL jean.dupont@example.fr\r\n1 EMAIL marie@Free.fr\r\n1 NOTE \xE9" "crire \xE0 @Isabelle au bureau\r\n"
      "1 SOUR @S12@\r\n1 OBJE @O3@\r\n1 NOTE 50 @ 3 francs\r\n1 NOTE tout seul @\r\n\r\n\n\r"
      "1 NOTE deux @@ arobases\r0 TRLR";
  EXPECT_EQ(Renumber(untouched), untouched);
}

TEST(RenumberText, DigitFirstIdentifiersAndLetterUForms) {
  const std::string text = "0 @30000000I@ INDI\n0 @8F@ FAM\n1 HUSB @30000000I@\n1 WIFE @44X@\n0 @U40@ FAM\n1 FAMS @U40@\n";
  EXPECT_EQ(Renumber(text), "0 @1I@ INDI\n0 @1F@ FAM\n1 HUSB @1I@\n1 WIFE @44X@\n0 @U2@ FAM\n1 FAMS @U2@\n");
}

TEST(RenumberText, NumbersBeyondTwentyMillionAndSaturatedOnesStillWork) {
  RenumberingSummary summary;
  const std::string text = "0 @I987654321@ INDI\n0 @I99999999999999999999@ INDI\n1 ASSO @I987654321@\n"
                           "1 ASSO @I99999999999999999999@\n";
  EXPECT_EQ(Renumber(text, &summary), "0 @I1@ INDI\n0 @I2@ INDI\n1 ASSO @I1@\n1 ASSO @I2@\n");
  EXPECT_EQ(summary.highestOldIndividual, 2147483647);
}

TEST(RenumberText, PointerToAMissingRecordNamesNoRecord) {
  // Written as 0, which the index reads as "no record" (and never as a person).
  EXPECT_EQ(Renumber("0 @I50000000@ INDI\n1 FAMC @F12@\n1 ASSO @I77@\n"), "0 @I1@ INDI\n1 FAMC @F0@\n1 ASSO @I0@\n");
}

TEST(RenumberText, LongLinesAreRewrittenWhole) {
  const std::string before(5000, 'a');
  const std::string after(3000, 'z');
  const std::string text = "0 @I40000000@ INDI\n2 CONT " + before + " @I40000000@ " + after + "\n1 NOTE " + after + "\n";
  EXPECT_EQ(Renumber(text), "0 @I1@ INDI\n2 CONT " + before + " @I1@ " + after + "\n1 NOTE " + after + "\n");
}

TEST(RenumberText, CarriageReturnLineEndsAreKept) {
  EXPECT_EQ(Renumber("0 HEAD\r0 @I11000000@ INDI\r1 NAME A /B/\r0 TRLR\r"), "0 HEAD\r0 @I1@ INDI\r1 NAME A /B/\r0 TRLR\r");
}

// The lines of a text, each with the line end bytes that follow it.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    while (end < text.size() && (text[end] == '\r' || text[end] == '\n')) ++end;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

TEST(RenumberText, AnyBytesKeepTheirLinesAndLineEnds) {
  std::mt19937 random(5);
  const char alphabet[] = "0123456789@@@IFUSX \r\n\n";
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const std::size_t length = random() % 400;
    for (std::size_t i = 0; i < length; ++i) {
      text.push_back(random() % 5 == 0 ? static_cast<char>(random()) : alphabet[random() % (sizeof alphabet - 1)]);
    }
    const std::vector<std::string> before = Lines(text);
    const std::vector<std::string> after = Lines(Renumber(text));
    ASSERT_EQ(after.size(), before.size()) << round;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (before[i].find('@') == std::string::npos) {
        EXPECT_EQ(after[i], before[i]) << round;
      }
    }
  }
}

// --- the whole road ----------------------------------------------------------

class RenumberingTest : public ::testing::Test {
 protected:
  ~RenumberingTest() override {
    std::error_code ignored;
    if (!fixture.session.renumbering.privateFolder.empty()) {
      std::filesystem::remove_all(fixture.session.renumbering.privateFolder, ignored);
    }
  }
  LoadResult Load(const std::string& bytes, const std::string& name = "grand.ged") {
    const auto path = fixture.folder / name;
    testing::WriteBytes(path, bytes);
    return LoadGedcomFile(fixture.session, path.string());
  }
  bool SawStatus(const std::string& text) const {
    for (const std::string& status : fixture.ui.statuses) {
      if (status == text) return true;
    }
    return false;
  }

  SessionFixture fixture;
};

const std::string kLargeFile =
    "0 HEAD\r\n1 CHAR ANSI\r\n"
    "0 @I12000000@ INDI\r\n1 NAME Jean /Grand/\r\n1 FAMS @F6000000@\r\n1 EMAIL jean@example.fr\r\n"
    "0 @I5@ INDI\r\n1 NAME Marie /Petit/\r\n1 FAMS @F6000000@\r\n"
    "0 @I20000@ INDI\r\n1 NAME Paul /Grand/\r\n1 FAMC @F6000000@\r\n"
    "0 @F6000000@ FAM\r\n1 HUSB @I12000000@\r\n1 WIFE @I5@\r\n1 CHIL @I20000@\r\n1 MARR\r\n2 DATE 3 MAY 1901\r\n"
    "0 TRLR\r\n";

TEST_F(RenumberingTest, TooLargeNumbersAreRenumberedAndTheCopyLoaded) {
  const auto chosen = fixture.folder / "grand.ged";
  testing::WriteBytes(chosen, kLargeFile);
  std::filesystem::last_write_time(chosen, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  const auto before = std::filesystem::last_write_time(chosen);

  ASSERT_EQ(LoadGedcomFile(fixture.session, chosen.string()), LoadResult::Loaded);
  EXPECT_TRUE(fixture.ui.messages.empty());
  EXPECT_TRUE(SawStatus("Un moment S.V.P. renumérotation en cours"_ansi));
  EXPECT_TRUE(SawStatus("Terminé. Dernier INDI: avant 12000000, après 3.  Dernier FAM: avant 6000000, après 1"_ansi));
  EXPECT_EQ(fixture.ui.statuses.back(), "Notez que la numérotation des individus diffère de celle du fichier initial"_ansi);

  const GedcomIndex& index = fixture.session.index;
  EXPECT_EQ(PersonName(index, 1, 1), "Grand, Jean");
  EXPECT_EQ(PersonName(index, 1, 2), "Petit, Marie");
  EXPECT_EQ(FatherOf(index, 3), 1);
  EXPECT_EQ(MotherOf(index, 3), 2);
  EXPECT_EQ(MarriagesOf(index, 2)[0], "       3 mai 1901 ");
  const std::string list = fixture.Report("LstGED.TXT");
  EXPECT_NE(list.find("      1  Grand, Jean"), std::string::npos);
  EXPECT_NE(list.find("du fichier " + Cp1252FromUtf8(fixture.folder.path().string()) + "\r\n"), std::string::npos);
  EXPECT_TRUE(fixture.session.menus.Enabled(MenuItem::mAscendance));

  // The chosen file is untouched.
  EXPECT_EQ(testing::ReadBytes(chosen), kLargeFile);
  EXPECT_EQ(std::filesystem::last_write_time(chosen), before);
}

TEST_F(RenumberingTest, CopyLiesInAPrivateFolderOfTheTemporaryFolder) {
  ASSERT_EQ(Load(kLargeFile), LoadResult::Loaded);
  const RenumberingState& state = fixture.session.renumbering;
  EXPECT_TRUE(state.done);
  EXPECT_FALSE(state.pending);
  EXPECT_EQ(state.originalPath, (fixture.folder / "grand.ged").string());
  const std::filesystem::path copy(state.copyPath);
  EXPECT_EQ(copy.filename().string(), "GEDCOM renuméroté");
  EXPECT_EQ(copy.parent_path().string(), state.privateFolder);
  EXPECT_EQ(std::filesystem::path(state.privateFolder).parent_path(), std::filesystem::temp_directory_path());
  struct stat info {};
  ASSERT_EQ(stat(state.privateFolder.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(fixture.session.SlotPath(kSlotGedcom), state.copyPath);
  // Lines without an identifier are copied as they were, CR LF included.
  const std::string copied = testing::ReadBytes(copy);
  EXPECT_NE(copied.find("1 EMAIL jean@example.fr\r\n"), std::string::npos);
  EXPECT_NE(copied.find("0 @I1@ INDI\r\n1 NAME Jean /Grand/\r\n1 FAMS @F1@\r\n"), std::string::npos);
}

TEST_F(RenumberingTest, EachChosenFileMayBeRenumberedOnceInTheSameFolder) {
  ASSERT_EQ(Load(kLargeFile), LoadResult::Loaded);
  const std::string folder = fixture.session.renumbering.privateFolder;
  ASSERT_EQ(Load("0 HEAD\n" + std::string("0 @I99999999@ INDI\n1 NAME Zo\xE9 /Autre/\n0 TRLR\n"), "autre.ged"),
            LoadResult::Loaded);
  EXPECT_EQ(fixture.session.renumbering.privateFolder, folder);
  EXPECT_EQ(PersonName(fixture.session.index, 1, 1), "Autre, Zo\xE9");
  EXPECT_EQ(fixture.session.index.IndividualCount(), 1);
  EXPECT_EQ(fixture.session.renumbering.originalPath, (fixture.folder / "autre.ged").string());
}

TEST_F(RenumberingTest, IdentifiersOfDigitsAloneStopAfterOneAttempt) {
  // The copy keeps @12000000@ as it is: its reload must not renumber again.
  EXPECT_EQ(Load("0 HEAD\n0 @12000000@ INDI\n1 NAME Jean /Grand/\n0 TRLR\n"), LoadResult::MustClose);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Erreur");
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(fixture.ui.messages[0].text,
            "Le nombre d'individus dépasse la capacité de 10000000.\n\n"
            "    Veuillez extraire seulement la partie pertinente du fichier GEDCOM."_ansi);
  int renumberings = 0;
  for (const std::string& status : fixture.ui.statuses) renumberings += status == "Un moment S.V.P. renumérotation en cours"_ansi;
  EXPECT_EQ(renumberings, 1);
  EXPECT_FALSE(fixture.session.menus.Enabled(MenuItem::mAscendance));
}

TEST_F(RenumberingTest, FamilyAboveCapacityAlsoRenumbers) {
  ASSERT_EQ(Load("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n1 FAMS @F5000001@\n0 @F5000001@ FAM\n1 HUSB @I1@\n0 TRLR\n"),
            LoadResult::Loaded);
  EXPECT_EQ(HusbandOf(fixture.session.index, 1), 1);
  EXPECT_TRUE(SawStatus("Terminé. Dernier INDI: avant 1, après 1.  Dernier FAM: avant 5000001, après 1"_ansi));
}

TEST_F(RenumberingTest, UnwritableTemporaryFolderIsToldAndNothingLoaded) {
  const char* saved = std::getenv("TMPDIR");
  const std::string savedValue = saved != nullptr ? saved : "";
  setenv("TMPDIR", (fixture.folder / "absent").c_str(), 1);
  const LoadResult result = Load(kLargeFile);
  if (saved != nullptr) setenv("TMPDIR", savedValue.c_str(), 1); else unsetenv("TMPDIR");
  EXPECT_EQ(result, LoadResult::Refused);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Erreur");
  EXPECT_FALSE(fixture.session.menus.Enabled(MenuItem::mAscendance));
  EXPECT_FALSE(fixture.session.renumbering.pending);
}

TEST_F(RenumberingTest, Utf16FileIsRenumberedAsUtf8) {
  const std::string text = "0 HEAD\r\n1 CHAR UNICODE\r\n0 @I40000000@ INDI\r\n1 NAME \u00C9lise /C\u00F4t\u00E9/\r\n0 TRLR\r\n";
  std::string utf16 = "\xFF\xFE";
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (c >= 0xC0) {  // two-byte sequences only in this text
      c = ((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
      length = 2;
    }
    utf16.push_back(static_cast<char>(c & 0xFF));
    utf16.push_back(static_cast<char>(c >> 8));
    i += length;
  }
  ASSERT_EQ(Load(utf16), LoadResult::Loaded);
  EXPECT_EQ(PersonName(fixture.session.index, 0, 1), "\xC9lise C\xF4t\xE9");
  const std::string copy = testing::ReadBytes(fixture.session.renumbering.copyPath);
  EXPECT_EQ(copy.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(copy.find("0 @I1@ INDI\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quenor
