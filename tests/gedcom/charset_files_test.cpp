// The real GEDCOM files of tests/data loaded through the session: counts,
// names with their accents, and the converted bytes of the ANSEL, UTF-16
// and CR-only files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::SessionFixture;

std::string_view LoadedText(const SessionFixture& f) {
  return std::string_view(f.session.index.Text(), f.session.index.TextLength());
}

// The line that follows the one holding `marker` in the loaded text; the
// lines of a record are separated by line feeds, records by NUL.
std::string LineAfter(const SessionFixture& f, std::string_view marker, int lines = 1) {
  const std::string_view text = LoadedText(f);
  std::size_t position = text.find(marker);
  if (position == std::string_view::npos) return "<marker not found>";
  for (int k = 0; k < lines; ++k) {
    position = text.find_first_of(std::string_view("\n\0", 2), position);
    if (position == std::string_view::npos) return "<end of text>";
    ++position;
  }
  const std::size_t end = text.find_first_of(std::string_view("\n\0", 2), position);
  return std::string(text.substr(position, end - position));
}

// --- counts of every file ---------------------------------------------------

struct FileCounts {
  const char* file;
  int individuals;  // "0 @...@ INDI" records with a "1 NAME" line and a number above 0
  int families;     // "0 @...@ FAM" records with a number above 0
};

// Counted on the files themselves, records before "0 TRLR" only.
constexpr FileCounts kFileCounts[] = {
    {"royal92.ged", 3010, 1422},    {"pres2020.ged", 2322, 1115},   {"bourbon.ged", 283, 139},
    {"kennedy.ged", 208, 74},       {"washington.ged", 529, 114},   {"bach.ged", 33, 14},
    {"shakespeare.ged", 31, 11},    {"bronte.ged", 14, 4},          {"basic.ged", 5, 2},
    {"input.ged", 14, 6},           {"TGC55C.ged", 15, 5},          {"TGC551.ged", 15, 5},
    {"TGC55CLF.ged", 15, 5},        {"TGC551LF.ged", 15, 5},        {"555SAMPLE.GED", 3, 2},
    {"555SAMPLE16LE.GED", 3, 2},    {"555SAMPLE16BE.GED", 3, 2},    {"REMARR.GED", 3, 3},
    {"SSMARR.GED", 2, 1},           {"MINIMAL555.GED", 0, 0},       {"maximal70.ged", 2, 2},
    {"remarriage1.ged", 3, 2},      {"voidptr.ged", 2, 1},          {"xref.ged", 0, 0},
};

class RealFile : public ::testing::TestWithParam<FileCounts> {};

TEST_P(RealFile, IndexesEveryNamedIndividualAndEveryFamily) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(GetParam().file));
  EXPECT_EQ(f.session.index.IndividualCount(), GetParam().individuals);
  EXPECT_EQ(f.session.index.FamilyCount(), GetParam().families);
}

TEST_P(RealFile, LeavesNoCarriageReturnAndNoByteOrderMark) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(GetParam().file));
  const std::string_view text = LoadedText(f);
  EXPECT_EQ(text.find('\r'), std::string_view::npos);
  EXPECT_EQ(text.substr(0, 6), "0 HEAD");
}

// Bytes that the conversion turned into '?' (malformed or without any
// Windows-1252 form): the loaded text against the file.
TEST_P(RealFile, GivesEveryCharacterAWindows1252Form) {
  const std::string file = GetParam().file;
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(file));
  const std::string_view text = LoadedText(f);
  const std::string raw = testing::ReadBytes(testing::DataFile(file));
  // The empty and the black box of the ANSEL files have no such form.
  const long lacking = file.compare(0, 3, "TGC") == 0 ? 2 : 0;
  EXPECT_EQ(std::count(text.begin(), text.end(), '?'), std::count(raw.begin(), raw.end(), '?') + lacking);
}

std::string TestNameOf(std::string file) {
  std::replace(file.begin(), file.end(), '.', '_');
  return file;
}

INSTANTIATE_TEST_SUITE_P(TestData, RealFile, ::testing::ValuesIn(kFileCounts),
                         [](const auto& info) { return TestNameOf(info.param.file); });

// --- names -------------------------------------------------------------------

struct NameCase {
  const char* file;
  int32_t individual;
  const char* givenFirst;    // format 0, UTF-8 source text
  const char* surnameFirst;  // format 1
};

constexpr NameCase kNames[] = {
    {"royal92.ged", 1, "Victoria Hanover", "Hanover, Victoria"},
    {"pres2020.ged", 2186, "Ivana Zelníckov\u00E1", "Zelníckov\u00E1, Ivana"},  // č folded to c
    {"bourbon.ged", 7, "Françoise D'AUBIGNÉ", "D'AUBIGNÉ, Françoise"},
    {"bourbon.ged", 5, "Marie-Thérèse HABSBOURG", "HABSBOURG, Marie-Thérèse"},
    {"bourbon.ged", 10, "Marie-Adélaïde DE SAVOIE", "DE SAVOIE, Marie-Adélaïde"},
    {"bourbon.ged", 22, "Élisabeth CAPET", "CAPET, Élisabeth"},
    {"kennedy.ged", 105, "Joseph Patrick Kennedy", "Kennedy, Joseph Patrick"},
    {"washington.ged", 1, "George WASHINGTON", "WASHINGTON, George"},
    {"bach.ged", 11, "Maria Elisabetha Lämmerhirt", "Lämmerhirt, Maria Elisabetha"},
    {"bronte.ged", 1, "Patrick Brontë", "Brontë, Patrick"},
    {"input.ged", 2, "Céline BERNARD", "BERNARD, Céline"},
    {"basic.ged", 2, "France Smith", "Smith, France"},
    {"TGC55C.ged", 14, "Charlie Accented ANSEL", "ANSEL, Charlie Accented"},
    {"TGC551LF.ged", 13, "Lucy Special ANSEL", "ANSEL, Lucy Special"},
    {"555SAMPLE.GED", 1, "Robert Eugene Williams", "Williams, Robert Eugene"},
    {"555SAMPLE16LE.GED", 2, "Mary Ann Wilson", "Wilson, Mary Ann"},
    {"555SAMPLE16BE.GED", 3, "Joe Williams", "Williams, Joe"},
    {"REMARR.GED", 2, "Mary Encore", "Encore, Mary"},
    {"SSMARR.GED", 2, "Steven Stevens", "Stevens, Steven"},
    {"remarriage1.ged", 1, "John Q Public", "Public, John Q"},
    {"voidptr.ged", 2, "Jane Doe", "Doe, Jane"},
};

class RealFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(RealFileName, ReadsTheNameWithItsAccents) {
  const NameCase& c = GetParam();
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(c.file));
  EXPECT_EQ(PersonName(f.session.index, 0, c.individual), Cp1252FromUtf8(c.givenFirst));
  EXPECT_EQ(PersonName(f.session.index, 1, c.individual), Cp1252FromUtf8(c.surnameFirst));
}

INSTANTIATE_TEST_SUITE_P(TestData, RealFileName, ::testing::ValuesIn(kNames));

TEST(RealFileText, KeepsTheTypographicSignsOfUtf8Files) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData("pres2020.ged"));
  const std::string_view text = LoadedText(f);
  EXPECT_NE(text.find('\x96'), std::string_view::npos);  // –
  EXPECT_NE(text.find('\x92'), std::string_view::npos);  // ’
  EXPECT_NE(text.find("\x93"), std::string_view::npos);  // “
  EXPECT_EQ(text.find("\xC3"), std::string_view::npos) << "a UTF-8 lead byte is left";
}

TEST(RealFileText, UndeclaredUtf8IsDecoded) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData("input.ged"));  // no CHAR line, no byte order mark
  EXPECT_EQ(PersonName(f.session.index, 0, 2), "Céline BERNARD"_ansi);
}

// --- the ANSEL torture files ---------------------------------------------------

class AnselTortureFile : public ::testing::TestWithParam<const char*> {};

// The four lines that follow "code: XX" carry the mark before each letter of
// "ABCDEFGHIJKLM", "NOPQRSTUVWXYZ", "abcdefghijklm" and "nopqrstuvwxyz" (the
// file has "N" for "a" after the tilde and "i" for "o" after the acute).
std::string MarkedLetters(const SessionFixture& f, const char* code, int line) {
  const std::string text = LineAfter(f, std::string("code: ") + code, line);
  const std::string indent = "1 CONT      ";
  return text.compare(0, indent.size(), indent) == 0 ? text.substr(indent.size()) : "<" + text + ">";
}

TEST_P(AnselTortureFile, ComposesTheMarksWindows1252Has) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(GetParam()));
  EXPECT_EQ(MarkedLetters(f, "E1", 1), "ÀBCDÈFGHÌJKLM"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E1", 2), "NÒPQRSTÙVWXYZ"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E1", 4), "nòpqrstùvwxyz"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E2", 1), "ÁBCDÉFGHÍJKLM"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E2", 2), "NÓPQRSTÚVWXÝZ"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E2", 3), "ábcdéfghíjklm"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E2", 4), "nípqrstúvwxýz"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E3", 1), "ÂBCDÊFGHÎJKLM"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E3", 4), "nôpqrstûvwxyz"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E4", 1), "ÃBCDEFGHIJKLM"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E4", 2), "ÑÕPQRSTUVWXYZ"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E4", 3), "Ñbcdefghijklm"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E4", 4), "ñõpqrstuvwxyz"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E8", 2), "NÖPQRSTÜVWXŸZ"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E8", 3), "äbcdëfghïjklm"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E8", 4), "nöpqrstüvwxÿz"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E9", 2), "NOPQRŠTUVWXYŽ"_ansi);
  EXPECT_EQ(MarkedLetters(f, "E9", 4), "nopqrštuvwxyž"_ansi);
  EXPECT_EQ(MarkedLetters(f, "EA", 1), "ÅBCDEFGHIJKLM"_ansi);
  EXPECT_EQ(MarkedLetters(f, "EA", 3), "åbcdefghijklm"_ansi);
  EXPECT_EQ(MarkedLetters(f, "F0", 1), "ABÇDEFGHIJKLM"_ansi);
  EXPECT_EQ(MarkedLetters(f, "F0", 3), "abçdefghijklm"_ansi);
}

TEST_P(AnselTortureFile, KeepsEveryLetterWhoseComposedFormIsLacking) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(GetParam()));
  for (const char* code : {"E0", "E5", "E6", "E7", "EB", "EC", "ED", "EE", "EF", "F1", "F2", "F3", "F4",
                           "F5", "F6", "F7", "F8", "F9", "FA", "FB", "FE"}) {
    EXPECT_EQ(MarkedLetters(f, code, 1), "ABCDEFGHIJKLM") << code;
    EXPECT_EQ(MarkedLetters(f, code, 2), "NOPQRSTUVWXYZ") << code;
    EXPECT_EQ(MarkedLetters(f, code, 3), "abcdefghijklm") << code;
    EXPECT_EQ(MarkedLetters(f, code, 4), "nopqrstuvwxyz") << code;
  }
}

TEST_P(AnselTortureFile, ConvertsTheSpacingCharacters) {
  SessionFixture f;
  ASSERT_TRUE(f.LoadData(GetParam()));
  const std::pair<const char*, const char*> kSpecials[] = {
      {"A1 slash l - uppercase", "L"}, {"A2 slash o - uppercase", "Ø"},  {"A3 slash d - uppercase", "D"},
      {"A4 thorn - uppercase", "Þ"},   {"A5 ligature ae - uppercase", "Æ"}, {"A6 ligature oe - uppercase", "Œ"},
      {"A7 single prime", "'"},        {"A8 middle dot", "·"},           {"AA registered sign", "®"},
      {"AB plus-or-minus", "±"},       {"AC hook o - uppercase", "O"},   {"AD hook u - uppercase", "U"},
      {"AE left half ring", "'"},      {"BO right half ring", "'"},      {"B1 slash l - lowercase", "l"},
      {"B2 slash o - lowercase", "ø"}, {"B3 slash d - lowercase", "d"},  {"B4 thorn - lowercase", "þ"},
      {"B5 ligature ae - lowercase", "æ"}, {"B6 ligature oe - lowercase", "œ"}, {"B7 double prime", "\""},
      {"B8 dotless i - lowercase", "i"}, {"B9 british pound", "£"},      {"BA eth", "ð"},
      {"BC hook o - lowercase", "o"},  {"BD hook u - lowercase", "u"},   {"CO degree sign", "°"},
      {"C1 script l", "l"},            {"C3 copyright symbol", "©"},     {"C4 musical sharp", "#"},
      {"C5 inverted question mark", "¿"}, {"C6 inverted exclamation mark", "¡"}, {"CF es zet", "ß"},
  };
  const std::string_view text = LoadedText(f);
  for (const auto& [description, expected] : kSpecials) {
    const std::string line = std::string("1 CONT ") + description + " (";
    const std::size_t at = text.find(line);
    ASSERT_NE(at, std::string_view::npos) << description;
    EXPECT_EQ(std::string(text.substr(at + line.size(), 2)), Cp1252FromUtf8(expected) + ")") << description;
  }
}

INSTANTIATE_TEST_SUITE_P(TestData, AnselTortureFile,
                         ::testing::Values("TGC55C.ged", "TGC551.ged", "TGC55CLF.ged", "TGC551LF.ged"),
                         [](const auto& info) { return TestNameOf(info.param); });

std::string WholeText(const char* file) {
  SessionFixture f;
  if (!f.LoadData(file)) return "<not loaded>";
  return std::string(LoadedText(f));
}

TEST(AnselTortureFiles, CarriageReturnOnlyFilesGiveTheSameTextAsTheirTwins) {
  const std::string crOnly = WholeText("TGC55C.ged");
  EXPECT_GT(crOnly.size(), 60000u);
  EXPECT_EQ(crOnly, WholeText("TGC55CLF.ged"));
  EXPECT_EQ(WholeText("TGC551.ged"), WholeText("TGC551LF.ged"));
}

// --- UTF-16 ------------------------------------------------------------------

TEST(Utf16Files, BothByteOrdersGiveTheSameText) {
  const std::string little = WholeText("555SAMPLE16LE.GED");
  EXPECT_EQ(little.substr(0, 6), "0 HEAD");
  EXPECT_EQ(little, WholeText("555SAMPLE16BE.GED"));
  EXPECT_EQ(little.find('?'), std::string::npos);
}

TEST(Utf16Files, ReadAsTheirUtf8Twin) {
  SessionFixture utf16;
  SessionFixture utf8;
  ASSERT_TRUE(utf16.LoadData("555SAMPLE16LE.GED"));
  ASSERT_TRUE(utf8.LoadData("555SAMPLE.GED"));
  for (int32_t n = 1; n <= 3; ++n) {
    EXPECT_EQ(PersonName(utf16.session.index, 1, n), PersonName(utf8.session.index, 1, n)) << n;
    EXPECT_EQ(MarriagesOf(utf16.session.index, n), MarriagesOf(utf8.session.index, n)) << n;
  }
}

}  // namespace
}  // namespace quenor
