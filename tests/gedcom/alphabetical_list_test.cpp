// The alphabetical list LstGED.TXT: its bytes, its order and its failures.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/cp1252.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::SessionFixture;

const std::string kRule7(7, '\x97');
const std::string kRule15(15, '\x97');
const std::string kRule40(40, '\x97');

std::string Heading() {
  return "# Enrg.  Nom, prénom                              Date du mariage Lieu du mariage\r\n"_ansi + kRule7 + "  " +
         kRule40 + " " + kRule15 + " " + kRule40 + "\r\n";
}

std::string Title(const std::string& counts, const std::string& folder) {
  const std::string title = "Liste alphabétique des "_ansi + counts + " du fichier " + Cp1252FromUtf8(folder);
  const int margin = std::max(0, (105 - static_cast<int>(title.size())) / 2);
  return std::string(static_cast<std::size_t>(margin), ' ') + title + "\r\n\r\n";
}

// A person line: number in 7, two blanks, the name padded to 40, a blank.
std::string Line(const std::string& number, const std::string& name, const std::string& marriage = "") {
  std::string line = std::string(7 - number.size(), ' ') + number + "  " + name;
  line.append(40 - name.size(), ' ');
  return line + " " + marriage + "\r\n";
}

std::string Continuation(const std::string& marriage) { return std::string(50, ' ') + marriage + "\r\n"; }

std::string Individual(int n, const std::string& name, const std::string& more = "") {
  return "0 @I" + std::to_string(n) + "@ INDI\n1 NAME " + name + "\n" + more;
}

std::string Family(int f, const std::string& marriage) {
  return "0 @F" + std::to_string(f) + "@ FAM\n" + marriage;
}

class AlphabeticalListTest : public ::testing::Test {
 protected:
  void Load(const std::string& records) {
    ASSERT_TRUE(fixture.LoadText("0 HEAD\n1 CHAR UTF-8\n" + records + "0 TRLR\n"));
  }
  std::string List() const { return fixture.Report("LstGED.TXT"); }
  std::string Folder() const { return fixture.folder.path().string(); }

  // The person lines of the list (after its four heading lines), without CR LF.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const std::string text = List();
    std::size_t start = 0;
    for (int skipped = 0; skipped < 4; ++skipped) start = text.find("\r\n", start) + 2;
    while (start < text.size()) {
      const std::size_t end = text.find("\r\n", start);
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  SessionFixture fixture;
};

TEST_F(AlphabeticalListTest, WholeFileByteForByte) {
  Load(Individual(1, "Jean /Dupont/", "1 FAMS @F1@\n1 FAMS @F2@\n1 FAMS @F4@\n1 FAMS @F3@\n") +
       Individual(2, "Marie /dupont/") +
       Individual(13, "Claire /Martin/", "1 FAMS @F1@\n") +
       Individual(4, "Paul /Bernard/", "1 FAMS @F4@\n") +
       Family(1, "1 HUSB @I1@\n1 WIFE @I13@\n1 MARR\n2 DATE 12 FEB 1850\n2 PLAC Rouen, Seine-Maritime\n") +
       Family(2, "1 HUSB @I1@\n1 MARR\n2 DATE ABT 1860\n2 PLAC Caen\n") +
       Family(3, "1 HUSB @I1@\n1 MARR\n2 PLAC Évreux, Eure,\n") +
       Family(4, "1 HUSB @I1@\n1 WIFE @I4@\n1 DIV\n2 DATE 1870\n"));
  const std::string expected =
      Title("4 personnes et 4 mariages associés"_ansi, Folder()) + Heading() +
      Line("4", "Bernard, Paul") +
      Line("1", "Dupont, Jean", "      12 fév 1850 Rouen, Seine-Maritime"_ansi) +
      Continuation("        vers 1860 Caen") +
      Continuation("                  Évreux, Eure"_ansi) +
      Line("2", "dupont, Marie") +
      Line("13", "Martin, Claire", "      12 fév 1850 Rouen, Seine-Maritime"_ansi);
  EXPECT_EQ(List(), expected);
}

TEST_F(AlphabeticalListTest, MarriagesBeyondTheFirstStartInColumn51UpToSix) {
  std::string records = Individual(1, "Henri /Roy/", "");
  std::string families;
  for (int f = 1; f <= 8; ++f) {
    records += "1 FAMS @F" + std::to_string(f) + "@\n";
    families += Family(f, "1 HUSB @I1@\n1 MARR\n2 DATE " + std::to_string(1800 + f) + "\n2 PLAC Lieu" +
                              std::string(1, static_cast<char>('A' + f)) + "\n");
  }
  Load(records + families);
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].substr(50), "             1801 LieuB");
  for (std::size_t m = 1; m < lines.size(); ++m) {
    EXPECT_EQ(lines[m].find_first_not_of(' '), 63u) << m;  // the year ends the 17-column date field
    EXPECT_EQ(lines[m].substr(50), "             " + std::to_string(1801 + m) + " Lieu" + static_cast<char>('B' + m));
  }
}

TEST_F(AlphabeticalListTest, EmptyFileGivesHeadingsAndZeroCounts) {
  Load("");
  EXPECT_EQ(List(), Title("0 personnes et 0 mariages associés"_ansi, Folder()) + Heading());
  EXPECT_TRUE(fixture.session.slots[kSlotAlphabeticalList].hasContent);
}

TEST_F(AlphabeticalListTest, CountsUseBlankThousandsSeparators) {
  std::string records;
  for (int n = 1; n <= 1234; ++n) records += Individual(n, "P" + std::to_string(n) + " /Nom/");
  Load(records);
  EXPECT_NE(List().find("des 1 234 personnes et 0 mariages"), std::string::npos);
  EXPECT_EQ(Lines().size(), 1234u);
}

TEST_F(AlphabeticalListTest, TitleCentredOn105ColumnsTruncatedAndNeverNegative) {
  // Folders whose names bring the title to 60, 61 and 200 characters.
  const std::size_t base = ("Liste alphabétique des 1 personnes et 0 mariages associés du fichier "_ansi + Cp1252FromUtf8(Folder()) + "/").size();
  for (const std::size_t length : {std::size_t{60}, std::size_t{61}, std::size_t{200}}) {
    if (length <= base) continue;
    const std::string sub = std::string(length - base, 'd');
    std::filesystem::create_directories(fixture.folder / sub);
    testing::WriteBytes(fixture.folder / sub / "f.ged", "0 HEAD\n" + Individual(1, "A /B/") + "0 TRLR\n");
    ASSERT_EQ(LoadGedcomFile(fixture.session, (fixture.folder / sub / "f.ged").string()), LoadResult::Loaded);
    const std::string list = List();
    const std::size_t margin = list.find('L');
    EXPECT_EQ(margin, length > 105 ? 0u : (105 - length) / 2) << length;
    EXPECT_EQ(list.find("\r\n"), margin + length) << length;
    EXPECT_EQ(list.substr(margin + length, 4), "\r\n\r\n");
  }
}

TEST_F(AlphabeticalListTest, CaseIgnoredAccentsWithTheirBaseLetters) {
  Load(Individual(1, "Marie /dupont/") + Individual(2, "Jean /Dupont/") + Individual(3, "Jean /Emma/") +
       Individual(4, "Jean /Émile/") + Individual(5, "Jean /Emil/") + Individual(6, "Jean /Zola/") +
       Individual(7, "Jean /Éluard/") + Individual(8, "Jean /Elster/"));
  const std::vector<std::string> lines = Lines();
  std::vector<std::string> names;
  for (const std::string& line : lines) names.push_back(Utf8FromCp1252(line.substr(9, 40)));
  for (std::string& name : names) name.erase(name.find_last_not_of(' ') + 1);
  EXPECT_EQ(names, (std::vector<std::string>{"Dupont, Jean", "dupont, Marie", "Elster, Jean", "Éluard, Jean",
                                             "Emil, Jean", "Émile, Jean", "Emma, Jean", "Zola, Jean"}));
}

TEST_F(AlphabeticalListTest, HyphensAndApostrophesCompareAsSymbols) {
  Load(Individual(1, "Jean /Dabadie/") + Individual(2, "Jean /D'Aubigné/") + Individual(3, "Jean /Saintpierre/") +
       Individual(4, "Jean /Saint-Pierre/") + Individual(5, "Jean /Saint Pierre/"));
  std::vector<std::string> numbers;
  for (const std::string& line : Lines()) numbers.push_back(line.substr(6, 1));
  // Ignored punctuation would put Dabadie first and tie Saint-Pierre with Saintpierre.
  EXPECT_EQ(numbers, (std::vector<std::string>{"2", "1", "5", "4", "3"}));
}

TEST_F(AlphabeticalListTest, DuplicateNumbersShowTheLaterRecordOnBothLines) {
  Load(Individual(7, "Jean /Premier/") + Individual(7, "Paul /Second/"));
  EXPECT_EQ(fixture.session.index.IndividualCount(), 2);
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_EQ(lines[0], Line("7", "Second, Paul").substr(0, 50));
}

TEST_F(AlphabeticalListTest, StatusTextsOfTheLoadInOrder) {
  Load(Individual(1, "Jean /Dupont/"));
  const std::string path = Cp1252FromUtf8((fixture.folder / "test.ged").string());
  const std::vector<std::string> expected = {
      "Lecture du fichier de données en cours..."_ansi,
      "Le fichier " + path + " contient 1 individus et 0 mariages.   Extraction des données en cours..."_ansi,
      "Enregistrement...", "Préparation pour visionnement"_ansi};
  std::vector<std::string> seen(fixture.ui.statuses.begin(), fixture.ui.statuses.begin() + 4);
  EXPECT_EQ(seen, expected);
  ASSERT_EQ(fixture.ui.shownReports.size(), 1u);
  EXPECT_EQ(fixture.ui.shownReports[0], std::make_pair(1, 3));
}

TEST_F(AlphabeticalListTest, ReportThatCannotBeCreatedIsToldAndTheLoadFails) {
  std::filesystem::create_directory(fixture.folder / "LstGED.TXT");
  EXPECT_FALSE(fixture.LoadText("0 HEAD\n" + Individual(1, "Jean /Dupont/") + "0 TRLR\n"));
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Erreur");
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_NE(fixture.ui.messages[0].text.find("Impossible de créer le fichier "_ansi + Cp1252FromUtf8(fixture.session.SlotPath(1))),
            std::string::npos);
  EXPECT_FALSE(fixture.session.slots[kSlotAlphabeticalList].hasContent);
  EXPECT_FALSE(fixture.session.menus.Enabled(MenuItem::mAscendance));
  EXPECT_TRUE(fixture.ui.shownReports.empty());
}

TEST_F(AlphabeticalListTest, ReportThatCannotBeWrittenIsToldAndTheLoadFails) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  std::filesystem::create_symlink("/dev/full", fixture.folder / "LstGED.TXT");
  EXPECT_FALSE(fixture.LoadText("0 HEAD\n" + Individual(1, "Jean /Dupont/") + "0 TRLR\n"));
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Erreur");
  EXPECT_NE(fixture.ui.messages[0].text.find("Impossible d'écrire le fichier "_ansi), std::string::npos);
  EXPECT_FALSE(fixture.session.slots[kSlotAlphabeticalList].hasContent);
  EXPECT_FALSE(fixture.session.menus.Enabled(MenuItem::mLiens));
}

}  // namespace
}  // namespace quenor
