#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gedcom/character_set.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

using namespace literals;

// Converts a copy held in a buffer of exactly its size (so that a sanitized
// build catches any read beyond the length) and checks it did not grow.
std::string Convert(const std::string& bytes, CharacterSet charset) {
  std::unique_ptr<char[]> buffer(new char[bytes.size() + 1]);
  bytes.copy(buffer.get(), bytes.size());
  const std::size_t length = ConvertToCp1252(buffer.get(), bytes.size(), charset);
  EXPECT_LE(length, bytes.size()) << "the text grew";
  return std::string(buffer.get(), length);
}

std::string FromAnsel(const std::string& bytes) { return Convert(bytes, CharacterSet::Ansel); }
std::string FromUtf8(const std::string& bytes) { return Convert(bytes, CharacterSet::Utf8); }
std::string FromCp850(const std::string& bytes) { return Convert(bytes, CharacterSet::Oem); }

std::string Normalized(std::string text) {
  text.resize(NormalizeLineEnds(text.data(), text.size()));
  return text;
}

// --- letters folded to Windows-1252 -----------------------------------------

TEST(FoldToCp1252, KeepsEveryCharacterWindows1252Has) {
  EXPECT_EQ(FoldToCp1252(U'A'), 'A');
  EXPECT_EQ(FoldToCp1252(U'é'), '\xE9');
  EXPECT_EQ(FoldToCp1252(U'ÿ'), '\xFF');
  EXPECT_EQ(FoldToCp1252(0x00A0), '\xA0');
  // The 0x80-0x9F range of Windows-1252.
  EXPECT_EQ(FoldToCp1252(U'€'), '\x80');
  EXPECT_EQ(FoldToCp1252(U'…'), '\x85');
  EXPECT_EQ(FoldToCp1252(U'’'), '\x92');
  EXPECT_EQ(FoldToCp1252(U'“'), '\x93');
  EXPECT_EQ(FoldToCp1252(U'”'), '\x94');
  EXPECT_EQ(FoldToCp1252(U'Œ'), '\x8C');
  EXPECT_EQ(FoldToCp1252(U'œ'), '\x9C');
  EXPECT_EQ(FoldToCp1252(U'Š'), '\x8A');
  EXPECT_EQ(FoldToCp1252(U'š'), '\x9A');
  EXPECT_EQ(FoldToCp1252(U'Ž'), '\x8E');
  EXPECT_EQ(FoldToCp1252(U'ž'), '\x9E');
  EXPECT_EQ(FoldToCp1252(U'Ÿ'), '\x9F');
  EXPECT_EQ(FoldToCp1252(U'ƒ'), '\x83');
}

TEST(FoldToCp1252, GivesTheBaseLetterOfLettersWindows1252Lacks) {
  // Latin Extended-A: marks over the letter and strokes through it.
  EXPECT_EQ(FoldToCp1252(U'ő'), 'o');
  EXPECT_EQ(FoldToCp1252(U'Ő'), 'O');
  EXPECT_EQ(FoldToCp1252(U'ā'), 'a');
  EXPECT_EQ(FoldToCp1252(U'ć'), 'c');
  EXPECT_EQ(FoldToCp1252(U'Č'), 'C');
  EXPECT_EQ(FoldToCp1252(U'ğ'), 'g');
  EXPECT_EQ(FoldToCp1252(U'ę'), 'e');
  EXPECT_EQ(FoldToCp1252(U'ń'), 'n');
  EXPECT_EQ(FoldToCp1252(U'ř'), 'r');
  EXPECT_EQ(FoldToCp1252(U'ş'), 's');
  EXPECT_EQ(FoldToCp1252(U'ů'), 'u');
  EXPECT_EQ(FoldToCp1252(U'ż'), 'z');
  EXPECT_EQ(FoldToCp1252(U'İ'), 'I');
  EXPECT_EQ(FoldToCp1252(U'Ł'), 'L');
  EXPECT_EQ(FoldToCp1252(U'ł'), 'l');
  EXPECT_EQ(FoldToCp1252(U'Đ'), 'D');
  EXPECT_EQ(FoldToCp1252(U'đ'), 'd');
  EXPECT_EQ(FoldToCp1252(U'ħ'), 'h');
  EXPECT_EQ(FoldToCp1252(U'ı'), 'i');
  EXPECT_EQ(FoldToCp1252(U'ŋ'), 'n');
  EXPECT_EQ(FoldToCp1252(U'ŧ'), 't');
  EXPECT_EQ(FoldToCp1252(U'ſ'), 's');
  // Latin Extended-B and Additional.
  EXPECT_EQ(FoldToCp1252(U'ț'), 't');
  EXPECT_EQ(FoldToCp1252(U'Ș'), 'S');
  EXPECT_EQ(FoldToCp1252(U'ơ'), 'o');
  EXPECT_EQ(FoldToCp1252(U'Ư'), 'U');
  EXPECT_EQ(FoldToCp1252(U'ǧ'), 'g');
  EXPECT_EQ(FoldToCp1252(U'ə'), 'e');
  EXPECT_EQ(FoldToCp1252(U'ỳ'), 'y');
  EXPECT_EQ(FoldToCp1252(U'ạ'), 'a');
  EXPECT_EQ(FoldToCp1252(U'ẞ'), '\xDF');
}

bool IsAsciiLetter(char byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

TEST(FoldToCp1252, GivesEveryLetterOfLatinExtendedALetter) {
  for (char32_t c = 0x0100; c <= 0x017F; ++c) {
    const char folded = FoldToCp1252(c);
    EXPECT_TRUE(IsAsciiLetter(folded) || static_cast<unsigned char>(folded) >= 0x8A) << std::hex << static_cast<uint32_t>(c);
  }
}

TEST(FoldToCp1252, GivesTheAccentedLettersOfLatinExtendedBAndAdditionalALetter) {
  // Vietnamese, Romanian, Pinyin, Welsh, Africa: letters with marks and hooks.
  for (char32_t c : {0x01A0, 0x01AF, 0x01CD, 0x01D4, 0x01DC, 0x01E6, 0x01F8, 0x0200, 0x0218, 0x021A,
                     0x0228, 0x0232, 0x0187, 0x0198, 0x01B3, 0x1E02, 0x1E0C, 0x1E24, 0x1E3F, 0x1E80,
                     0x1E84, 0x1EA0, 0x1EA5, 0x1EC7, 0x1EE9, 0x1EF3, 0x1E9B, 0x2C65}) {
    EXPECT_TRUE(IsAsciiLetter(FoldToCp1252(c)) || static_cast<unsigned char>(FoldToCp1252(c)) >= 0xC0)
        << std::hex << static_cast<uint32_t>(c);
  }
}

TEST(FoldToCp1252, KeepsTheMarksWindows1252HasComposed) {
  EXPECT_EQ(FoldToCp1252(U'ǻ'), '\xE5');  // a ring acute -> å
  EXPECT_EQ(FoldToCp1252(U'ấ'), '\xE2');  // a circumflex acute -> â
  EXPECT_EQ(FoldToCp1252(U'ḉ'), '\xE7');  // c cedilla acute -> ç
  EXPECT_EQ(FoldToCp1252(U'ǘ'), '\xFC');  // u diaeresis acute -> ü
  EXPECT_EQ(FoldToCp1252(U'Ǿ'), '\xD8');  // Ø acute -> Ø
}

TEST(FoldToCp1252, GivesTheNearestSignOfPunctuationAndBoxLines) {
  EXPECT_EQ(FoldToCp1252(0x02BC), '\'');  // modifier apostrophe
  EXPECT_EQ(FoldToCp1252(0x2010), '-');   // hyphen
  EXPECT_EQ(FoldToCp1252(0x2009), ' ');   // thin space
  EXPECT_EQ(FoldToCp1252(0x2500), '-');
  EXPECT_EQ(FoldToCp1252(0x2551), '|');
  EXPECT_EQ(FoldToCp1252(0x256C), '+');
  EXPECT_EQ(FoldToCp1252(0x2510), '+');
}

TEST(FoldToCp1252, GivesAQuestionMarkForEverythingElse) {
  EXPECT_EQ(FoldToCp1252(U'α'), '?');
  EXPECT_EQ(FoldToCp1252(U'Я'), '?');
  EXPECT_EQ(FoldToCp1252(U'中'), '?');
  EXPECT_EQ(FoldToCp1252(0x1F600), '?');  // emoji
  EXPECT_EQ(FoldToCp1252(0x2591), '?');   // shade block
  EXPECT_EQ(FoldToCp1252(0x0081), '?');   // C1 controls are no text
  EXPECT_EQ(FoldToCp1252(0x009D), '?');
  EXPECT_EQ(FoldToCp1252(0xD800), '?');   // surrogate
  EXPECT_EQ(FoldToCp1252(0x110000), '?');
  EXPECT_EQ(FoldToCp1252(0x2474), '?');   // parenthesized digit: no letter of its own
}

// --- UTF-8 -------------------------------------------------------------------

TEST(Utf8Conversion, GivesEachCharacterItsWindows1252Byte) {
  EXPECT_EQ(FromUtf8("\xC3\xA9"), "\xE9");
  EXPECT_EQ(FromUtf8("Fran\xC3\xA7oise D'AUBIGN\xC3\x89"), "Françoise D'AUBIGNÉ"_ansi);
  EXPECT_EQ(FromUtf8("\xE2\x82\xAC \xE2\x80\x99 \xE2\x80\x9C\xE2\x80\x9D \xC5\x92\xC5\x93 \xC5\xA0\xC5\xA1 \xC5\xBD\xC5\xBE \xC5\xB8 \xE2\x80\xA6"),
            "\x80 \x92 \x93\x94 \x8C\x9C \x8A\x9A \x8E\x9E \x9F \x85");
  EXPECT_EQ(FromUtf8("\xC2\xA0\xC2\xB0\xC3\xBF"), "\xA0\xB0\xFF");
}

TEST(Utf8Conversion, LeavesPureAsciiUnchanged) {
  const std::string ascii = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME John /Smith/\n0 TRLR\n";
  EXPECT_EQ(FromUtf8(ascii), ascii);
}

TEST(Utf8Conversion, FoldsLettersWindows1252Lacks) {
  EXPECT_EQ(FromUtf8("Erd\xC5\x91s"), "Erdos");                    // ő
  EXPECT_EQ(FromUtf8("Zeln\xC3\xAD\xC4\x8Dkov\xC3\xA1"), "Zelníckov\u00E1"_ansi);  // í č á
  EXPECT_EQ(FromUtf8("\xC5\x81\xC3\xB3" "d\xC5\xBA"), "L\xF3" "dz");  // Łódź
  EXPECT_EQ(FromUtf8("Ni\xC8\x9B\xC4\x83"), "Nita");               // ț ă
  EXPECT_EQ(FromUtf8("\xCE\xB1\xCE\xB2"), "??");                   // Greek has no fold
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80!"), "?!");                  // four-byte character
}

TEST(Utf8Conversion, GivesTheSameByteEachTimeACharacterComes) {
  EXPECT_EQ(FromUtf8("\xC5\x91\xC3\xA9\xC5\x91\xC5\x90\xC3\xA9\xCE\xB1\xCE\xB1"), "oéoOé??"_ansi);
}

TEST(Utf8Conversion, ComposesADecomposedLetterOrKeepsItsBaseLetter) {
  EXPECT_EQ(FromUtf8("Rene\xCC\x81"), "Ren\xE9");         // e + acute
  EXPECT_EQ(FromUtf8("Ma\xCC\x88rta"), "M\xE4rta");        // a + diaeresis
  EXPECT_EQ(FromUtf8("o\xCC\x8B"), "o");                   // o + double acute: ő lacking
  EXPECT_EQ(FromUtf8("q\xCC\x81x"), "qx");                 // no composed letter at all
  EXPECT_EQ(FromUtf8("\xCC\x81" "A"), "A");                // a mark with nothing before it
  EXPECT_EQ(FromUtf8("\xC3\xA9\xCC\x88"), "\xE9");         // é + diaeresis: é kept
}

TEST(Utf8Conversion, LeavesOutZeroWidthCharacters) {
  EXPECT_EQ(FromUtf8("Jo\xE2\x80\x8Bhn\xEF\xBB\xBF"), "John");
}

TEST(Utf8Conversion, MalformedBytesBecomeQuestionMarksWithoutSwallowingAscii) {
  EXPECT_EQ(FromUtf8("a\xC3" "b"), "a?b");            // lead byte then ASCII
  EXPECT_EQ(FromUtf8("\xE2\x82" "A"), "?A");          // two bytes of three, then ASCII
  EXPECT_EQ(FromUtf8("\xE2\x82\n"), "?\n");
  EXPECT_EQ(FromUtf8("x\xC3"), "x?");                 // cut at the end of the text
  EXPECT_EQ(FromUtf8("\x80\xBF"), "??");              // stray continuation bytes
  EXPECT_EQ(FromUtf8("\xC0\xAF"), "??");              // overlong form
  EXPECT_EQ(FromUtf8("\xE0\x80\xAF"), "???");
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), "???");         // encoded surrogate
  EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), "????");    // beyond U+10FFFF
  EXPECT_EQ(FromUtf8("\xFE\xFF"), "??");
  EXPECT_EQ(FromUtf8("Andr\xE9 /Dupont/"), "Andr? /Dupont/");  // a Windows-1252 byte
}

TEST(Utf8Conversion, ReadsNothingBeyondTheLength) {
  char text[] = "ab\xC3\xA9";
  const std::size_t length = ConvertUtf8ToCp1252(text, 3);  // the A9 is not part of the text
  EXPECT_EQ(std::string(text, length), "ab?");
  EXPECT_EQ(text[3], '\xA9');
}

TEST(Utf8Sniffing, NeedsWellFormedTextWithACharacterBeyondAscii) {
  EXPECT_TRUE(IsUtf8WithNonAscii("C\xC3\xA9line"));
  EXPECT_FALSE(IsUtf8WithNonAscii("Celine"));
  EXPECT_FALSE(IsUtf8WithNonAscii("C\xE9line"));
  EXPECT_FALSE(IsUtf8WithNonAscii("C\xC3\xA9line C\xE9line"));
  EXPECT_FALSE(IsUtf8WithNonAscii(""));
}

// --- ANSEL -------------------------------------------------------------------

TEST(AnselConversion, ComposesTheMarkWithTheLetterAfterIt) {
  EXPECT_EQ(FromAnsel("\xE2" "E"), "\xC9");  // acute E -> É
  EXPECT_EQ(FromAnsel("\xE1" "e"), "\xE8");  // grave e -> è
  EXPECT_EQ(FromAnsel("\xF0" "c"), "\xE7");  // cedilla c -> ç
  EXPECT_EQ(FromAnsel("Fran\xF0" "coise d'Aubign\xE2" "e"), "Françoise d'Aubigné"_ansi);
  EXPECT_EQ(FromAnsel("\xE8" "A\xE8" "e\xE8" "I\xE8" "o\xE8" "U"), "ÄëÏöÜ"_ansi);
  EXPECT_EQ(FromAnsel("\xE3" "a\xE3" "E\xE3" "i\xE3" "O\xE3" "u"), "âÊîÔû"_ansi);
}

TEST(AnselConversion, ComposesEveryLetterWindows1252Has) {
  EXPECT_EQ(FromAnsel("\xE4n\xE4" "a\xE4o\xE4N\xE4" "A\xE4O"), "ñãõÑÃÕ"_ansi);   // tilde
  EXPECT_EQ(FromAnsel("\xEA" "a\xEA" "A"), "åÅ"_ansi);                       // ring
  EXPECT_EQ(FromAnsel("\xE9s\xE9z\xE9S\xE9Z"), "šžŠŽ"_ansi);                  // caron
  EXPECT_EQ(FromAnsel("\xE2y\xE2Y\xE8y\xE8Y"), "ýÝÿŸ"_ansi);                  // y
  EXPECT_EQ(FromAnsel("\xF0" "C"), "Ç"_ansi);
}

TEST(AnselConversion, GivesTheSameLetterEachTimeItComes) {
  EXPECT_EQ(FromAnsel("\xE2" "e\xE2" "E\xE2" "e\xE1" "e\xE2" "E\xEEo\xEEo"), "éÉéèÉoo"_ansi);
}

TEST(AnselConversion, KeepsTheLetterWhenWindows1252LacksTheComposedOne) {
  EXPECT_EQ(FromAnsel("\xE1y"), "y");                 // ỳ
  EXPECT_EQ(FromAnsel("Erd\xEEos"), "Erdos");         // double acute: ő
  EXPECT_EQ(FromAnsel("\xE5" "a"), "a");              // macron: ā
  EXPECT_EQ(FromAnsel("\xE2q"), "q");                 // no composed letter at all
  EXPECT_EQ(FromAnsel("Ni\xF7t\xE6" "a"), "Nita");    // comma below, breve
  EXPECT_EQ(FromAnsel("\xEB" "t\xECs"), "ts");        // ligature halves
}

TEST(AnselConversion, NeverLosesALetterWhateverTheMark) {
  for (int mark = 0xE0; mark <= 0xFE; ++mark) {
    for (char letter = 'A'; letter <= 'z'; ++letter) {
      if (letter > 'Z' && letter < 'a') continue;
      const std::string converted = FromAnsel(std::string{static_cast<char>(mark), letter});
      ASSERT_EQ(converted.size(), 1u) << std::hex << mark << ' ' << letter;
      const auto byte = static_cast<unsigned char>(converted[0]);
      EXPECT_TRUE(byte == static_cast<unsigned char>(letter) || byte >= 0x80) << std::hex << mark << ' ' << letter;
      EXPECT_NE(converted[0], '?');
    }
  }
}

TEST(AnselConversion, DropsAMarkThatAccentsNoLetterAndKeepsTheNextByte) {
  EXPECT_EQ(FromAnsel("a\xE2 b"), "a b");
  EXPECT_EQ(FromAnsel("\xE2" "1"), "1");
  EXPECT_EQ(FromAnsel("x\xE2\n0"), "x\n0");
  EXPECT_EQ(FromAnsel("end\xE2"), "end");
  EXPECT_EQ(FromAnsel("end\xE2\xE8"), "end");
}

TEST(AnselConversion, ComposesSeveralMarksBeforeOneLetter) {
  EXPECT_EQ(FromAnsel("\xE8\xE2u"), "ü"_ansi);   // ǘ lacking: ü kept
  EXPECT_EQ(FromAnsel("\xE2\xF0" "c"), "ç"_ansi);  // ḉ lacking: ç kept
  EXPECT_EQ(FromAnsel("\xE2\xA2"), "Ø"_ansi);      // acute on the spacing Ø
}

TEST(AnselConversion, ConvertsTheSpacingCharacters) {
  EXPECT_EQ(FromAnsel("\xA1\xA2\xA3\xA4\xA5\xA6"), "LØDÞÆŒ"_ansi);
  EXPECT_EQ(FromAnsel("\xB1\xB2\xB3\xB4\xB5\xB6"), "lø"_ansi + "d" + "þæœ"_ansi);
  EXPECT_EQ(FromAnsel("\xA7\xA8\xAA\xAB\xAC\xAD\xAE"), "'·®±OU'"_ansi);
  EXPECT_EQ(FromAnsel("\xB0\xB7\xB8\xB9\xBA\xBC\xBD"), "'\"i£ðou"_ansi);
  EXPECT_EQ(FromAnsel("\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8"), "°lP©#¿¡ß€"_ansi);
  EXPECT_EQ(FromAnsel("\xCD\xCE\xCF"), "eoß"_ansi);
  EXPECT_EQ(FromAnsel("\xA9"), "b");    // musical flat
  EXPECT_EQ(FromAnsel("\xBE\xBF"), "??");  // empty and black boxes
}

TEST(AnselConversion, AccentsASpacingLetter) {
  EXPECT_EQ(FromAnsel("\xE2\xA6"), "Œ"_ansi);   // no composed Œ: the letter stays
  EXPECT_EQ(FromAnsel("\xE8\xB8"), "i");        // diaeresis on dotless i
}

TEST(AnselConversion, LeavesOutInvisibleControlsAndMarksUndefinedBytes) {
  EXPECT_EQ(FromAnsel("\x88" "The\x89 Book"), "The Book");
  EXPECT_EQ(FromAnsel("a\x8D" "b\x8E" "c"), "abc");
  EXPECT_EQ(FromAnsel("\xAF\xBB\xD0\xFF\x80"), "?????");
  const std::string ascii = "0 HEAD\n1 CHAR ANSEL\n0 TRLR";
  EXPECT_EQ(FromAnsel(ascii), ascii);
}

TEST(AnselConversion, ReadsNothingBeyondTheLength) {
  char text[] = "ab\xE2" "e";
  const std::size_t length = ConvertAnselToCp1252(text, 3);
  EXPECT_EQ(std::string(text, length), "ab");
}

// --- code page 850 -----------------------------------------------------------

TEST(Cp850Conversion, ConvertsTheLettersOfWesternEurope) {
  EXPECT_EQ(FromCp850("\x82\x85\x87\x90\x99\xA4"), "éàçÉÖñ"_ansi);
  EXPECT_EQ(FromCp850("\x80\x81\x8A\x93\x9A\xA5\xB7\xD2\xE1\x9B\x9D"), "ÇüèôÜÑÀÊßøØ"_ansi);
  EXPECT_EQ(FromCp850("\x9F\xD5\xE6\xF8\xFF"), "ƒiµ°\u00A0"_ansi);
  const std::string ascii = "0 HEAD\n1 CHAR IBMPC\n";
  EXPECT_EQ(FromCp850(ascii), ascii);
}

TEST(Cp850Conversion, DrawsBoxLinesWithAsciiSigns) {
  EXPECT_EQ(FromCp850("\xC4\xCD\xB3\xBA\xDA\xC5\xCE\xBC"), "--||++++");
  EXPECT_EQ(FromCp850("\xB0\xB1\xB2\xDB\xDC\xDF\xFE"), "???????");
}

TEST(Cp850Conversion, NeverGivesABytePrintersCannotShow) {
  for (int b = 0; b < 256; ++b) {
    const auto converted = static_cast<unsigned char>(Cp850ToCp1252(static_cast<unsigned char>(b)));
    EXPECT_TRUE(converted != 0x81 && converted != 0x8D && converted != 0x8F && converted != 0x90 && converted != 0x9D)
        << std::hex << b;
    if (b < 0x80) {
      EXPECT_EQ(converted, b);
    }
  }
}

TEST(AnsiConversion, LeavesTheTextAsItIs) {
  const std::string text = "Andr\xE9 \x80\x81\xFF";
  EXPECT_EQ(Convert(text, CharacterSet::Ansi), text);
}

// --- line ends ---------------------------------------------------------------

TEST(LineEnds, EveryFormIsOneLineFeed) {
  EXPECT_EQ(Normalized("a\r\nb"), "a\nb");
  EXPECT_EQ(Normalized("a\n\rb"), "a\nb");
  EXPECT_EQ(Normalized("a\rb"), "a\nb");
  EXPECT_EQ(Normalized("a\nb"), "a\nb");
  EXPECT_EQ(Normalized("0 HEAD\r1 CHAR ANSEL\r0 TRLR\r"), "0 HEAD\n1 CHAR ANSEL\n0 TRLR\n");
}

TEST(LineEnds, BlankLinesStayLines) {
  EXPECT_EQ(Normalized("a\r\n\r\nb"), "a\n\nb");
  EXPECT_EQ(Normalized("a\r\rb"), "a\n\nb");
  EXPECT_EQ(Normalized("a\n\nb"), "a\n\nb");
  EXPECT_EQ(Normalized("\r\n"), "\n");
  EXPECT_EQ(Normalized(""), "");
}

// The line ends made one by one, byte after byte: what the quicker pass,
// which moves lines eight bytes at a time, must give.
std::string NormalizedByteByByte(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    out += '\n';
    if (i + 1 < text.size() && text[i + 1] == (c == '\r' ? '\n' : '\r')) ++i;
  }
  return out;
}

TEST(LineEnds, LinesOfEveryLengthMoveAsByteByByte) {
  // Lines of 0 to 20 bytes, so that every line end falls at every place of
  // an eight-byte word, with every line end form, and accents the UTF-8
  // conversion moves its ASCII runs around.
  const std::string ends[] = {"\r\n", "\n\r", "\r", "\n", "\r\r\n", "\n\n\r"};
  std::string text;
  std::string expected;
  for (int length = 0; length <= 20; ++length) {
    for (const std::string& end : ends) {
      text += std::string(static_cast<std::size_t>(length), static_cast<char>('a' + length)) + end;
    }
  }
  EXPECT_EQ(Normalized(text), NormalizedByteByByte(text));
  std::string accented;
  for (int length = 0; length <= 20; ++length) accented += std::string(static_cast<std::size_t>(length), 'x') + "\xC3\xA9\r\n";
  const std::string lines = Normalized(accented);
  EXPECT_EQ(lines, NormalizedByteByByte(accented));
  std::string latin1;
  for (char c : lines) latin1 += c == '\xC3' ? "" : c == '\xA9' ? "\xE9" : std::string(1, c);
  EXPECT_EQ(FromUtf8(lines), latin1);
}

// --- byte order marks and UTF-16 -------------------------------------------

TEST(ByteOrderMark, TellsUtf8AndBothUtf16Orders) {
  EXPECT_EQ(DetectByteOrderMark("\xEF\xBB\xBF" "0 HEAD"), ByteOrderMark::Utf8);
  EXPECT_EQ(DetectByteOrderMark(std::string("\xFF\xFE" "0\0", 4)), ByteOrderMark::Utf16LittleEndian);
  EXPECT_EQ(DetectByteOrderMark(std::string("\xFE\xFF\0" "0", 4)), ByteOrderMark::Utf16BigEndian);
  EXPECT_EQ(DetectByteOrderMark("0 HEAD"), ByteOrderMark::None);
  EXPECT_EQ(DetectByteOrderMark("\xEF\xBB"), ByteOrderMark::None);
  EXPECT_EQ(DetectByteOrderMark(""), ByteOrderMark::None);
}

std::string Utf16(const std::u16string& units, bool bigEndian) {
  std::string bytes;
  for (char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(Utf16Decoding, DecodesBothByteOrders) {
  const std::u16string text = u"0 HEAD\r\n1 NAME Céline /Brontë/ €";
  const std::string utf8 = "0 HEAD\r\n1 NAME C\xC3\xA9line /Bront\xC3\xAB/ \xE2\x82\xAC";
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16(text, false), false), utf8);
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16(text, true), true), utf8);
}

TEST(Utf16Decoding, JoinsSurrogatePairs) {
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16(u"a\U0001F600b", false), false), "a\xF0\x9F\x98\x80" "b");
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16(u"\U00010348", true), true), "\xF0\x90\x8D\x88");
}

TEST(Utf16Decoding, MalformedUnitsBecomeQuestionMarks) {
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16({0xD83D, u'A'}, false), false), "?A");  // high without low
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16({u'A', 0xDE00}, false), false), "A?");  // low alone
  EXPECT_EQ(DecodeUtf16ToUtf8(Utf16({0xD83D}, true), true), "?");           // cut after high
  EXPECT_EQ(DecodeUtf16ToUtf8(std::string("A\0B", 3), false), "A?");        // odd final byte
  EXPECT_EQ(DecodeUtf16ToUtf8("", false), "");
}

// --- detection ---------------------------------------------------------------

TEST(CharacterSetDetection, FindsTheDeclaredSet) {
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR ANSI\n0 TRLR\n"), CharacterSet::Ansi);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR IBMPC\n"), CharacterSet::Oem);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR MS-DOS\n"), CharacterSet::Oem);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR ANSEL\n"), CharacterSet::Ansel);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR UTF-8\n"), CharacterSet::Utf8);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\r\n1 SOUR X\r\n1 CHAR ANSEL\r\n"), CharacterSet::Ansel);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\r1 SOUR X\r1 CHAR ANSEL\r2 VERS 1\r"), CharacterSet::Ansel);
}

TEST(CharacterSetDetection, DoesNotTakeAnselForAnsi) {
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n"), CharacterSet::Ansel);
}

TEST(CharacterSetDetection, WithoutAKnownDeclarationTheFileIsAnsi) {
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 SOUR X\n0 @I1@ INDI\n1 NAME Andr\xE9 /X/\n"), CharacterSet::Ansi);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR ASCII\n0 @I1@ INDI\n"), CharacterSet::Ansi);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR UNICODE\n0 @I1@ INDI\n"), CharacterSet::Ansi);
  EXPECT_EQ(DetectCharacterSet("0 HEAD"), CharacterSet::Ansi);
  EXPECT_EQ(DetectCharacterSet(""), CharacterSet::Ansi);
}

TEST(CharacterSetDetection, StopsAtTheFirstRecord) {
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 SOUR X\n0 @I1@ INDI\n1 CHAR ANSEL\n"), CharacterSet::Ansi);
  EXPECT_EQ(DetectCharacterSet("0 HEAD\r\n0 @S1@ SUBM\r\n1 CHAR UTF-8\r\n"), CharacterSet::Ansi);
  // The first line is the one that holds "0 HEAD": it is not searched.
  EXPECT_EQ(DetectCharacterSet("0 HEAD 1 CHAR ANSEL\n1 SOUR X\n"), CharacterSet::Ansi);
}

TEST(CharacterSetDetection, AnUndeclaredUtf8TextIsUtf8) {
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 GEDC\n2 VERS 7.0\n0 @I1@ INDI\n1 NAME C\xC3\xA9line /X/\n"),
            CharacterSet::Utf8);
  // A declaration wins over the look of the text.
  EXPECT_EQ(DetectCharacterSet("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME C\xC3\xA9line /X/\n"), CharacterSet::Ansi);
}

}  // namespace
}  // namespace quenor
