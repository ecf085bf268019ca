// ANSEL text converted to Windows-1252 in place. In ANSEL a combining mark
// comes before the letter it accents.
#include <unicode/uchar.h>

#include <array>
#include <string>
#include <vector>

#include "gedcom/character_set.h"
#include "gedcom/letter_folding.h"

namespace quenor {
namespace {

constexpr unsigned char kFirstSpacing = 0xA0;
constexpr unsigned char kFirstMark = 0xE0;
constexpr unsigned char kLastMark = 0xFE;

// Code points of the spacing characters 0xA0 to 0xDF, 0 where ANSEL
// defines none (0xBE, 0xBF, 0xCD to 0xCF are the genealogical additions).
constexpr std::array<char16_t, 64> kSpacing = {
    0x0000, 0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,  // A0 - Ł Ø Đ Þ Æ Œ ʹ
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0x0000,  // A8 · ♭ ® ± Ơ Ư ʼ -
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,  // B0 ʻ ł ø đ þ æ œ ʺ
    0x0131, 0x00A3, 0x00F0, 0x0000, 0x01A1, 0x01B0, 0x25A1, 0x25A0,  // B8 ı £ ð - ơ ư □ ■
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,  // C0 ° ℓ ℗ © ♯ ¿ ¡ ß
    0x20AC, 0x0000, 0x0000, 0x0000, 0x0000, 0x0065, 0x006F, 0x00DF,  // C8 € - - - - e o ß
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // D0
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // D8
};

// Unicode combining marks of the ANSEL marks 0xE0 to 0xFE, 0 where ANSEL
// defines none.
constexpr std::array<char16_t, 31> kMarks = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,  // E0 hook, grave, acute, circumflex, tilde, macron, breve, dot
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,  // E8 diaeresis, caron, ring, ligature halves, comma, double acute, candrabindu
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,  // F0 cedilla, ogonek, dot, diaeresis, ring, double line, line, comma below
    0x031C, 0x032E, 0xFE22, 0xFE23, 0x0000, 0x0000, 0x0313,          // F8 half ring, breve below, double tilde halves, -, -, comma above
};

bool IsMark(unsigned char byte) { return byte >= kFirstMark && byte <= kLastMark; }

// The non-sorting markers and the joiners, which have no form of their own.
bool IsInvisibleControl(unsigned char byte) { return byte == 0x88 || byte == 0x89 || byte == 0x8D || byte == 0x8E; }

// The code point of a byte that is not a mark; 0 when ANSEL defines none.
char32_t CodePointOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= kFirstSpacing && byte < kFirstMark) return kSpacing[byte - kFirstSpacing];
  return 0;
}

bool IsLetter(char32_t codePoint) {
  const auto type = u_charType(static_cast<UChar32>(codePoint));
  return type == U_UPPERCASE_LETTER || type == U_LOWERCASE_LETTER;
}

// The Windows-1252 byte of every byte that is not a mark.
std::array<char, 256> SpacingBytes() {
  std::array<char, 256> bytes{};
  for (int b = 0; b < 256; ++b) {
    const char32_t codePoint = CodePointOf(static_cast<unsigned char>(b));
    bytes[b] = b < 0x80 ? static_cast<char>(b) : codePoint == 0 ? '?' : FoldToCp1252(codePoint);
  }
  return bytes;
}

// The letter carrying the marks text[first..last), composed as far as
// Unicode has the composed letter.
char32_t ComposeMarks(char32_t letter, const char* text, std::size_t first, std::size_t last) {
  std::u32string marks;
  for (std::size_t i = first; i < last; ++i) {
    const char16_t mark = kMarks[static_cast<unsigned char>(text[i]) - kFirstMark];
    if (mark != 0) marks.push_back(mark);
  }
  return ComposeWithMarks(letter, marks);
}

// The Windows-1252 bytes of the marked letters met so far: a single mark
// before a letter is by far the most frequent case.
class MarkedLetterMemo {
 public:
  char Byte(unsigned char mark, unsigned char letter, char32_t letterCodePoint) {
    char& byte = bytes_[(mark - kFirstMark) * 256 + letter];
    if (byte == '\0') {
      const char mark1[] = {static_cast<char>(mark)};
      byte = FoldToCp1252(ComposeMarks(letterCodePoint, mark1, 0, 1));
    }
    return byte;
  }

 private:
  std::vector<char> bytes_ = std::vector<char>((kLastMark - kFirstMark + 1) * 256, '\0');  // '\0': not yet met
};

// The Windows-1252 byte of the letter text[marksEnd] under the marks
// text[marksStart..marksEnd).
char MarkedLetterByte(const char* text, std::size_t marksStart, std::size_t marksEnd, char32_t letter,
                      MarkedLetterMemo& memo) {
  if (marksEnd - marksStart == 1) {
    return memo.Byte(static_cast<unsigned char>(text[marksStart]), static_cast<unsigned char>(text[marksEnd]), letter);
  }
  return FoldToCp1252(ComposeMarks(letter, text, marksStart, marksEnd));
}

}  // namespace

std::size_t ConvertAnselToCp1252(char* text, std::size_t length) {
  const std::array<char, 256> spacing = SpacingBytes();
  MarkedLetterMemo markedLetters;
  std::size_t read = 0;
  std::size_t write = 0;
  while (read < length) {
    const auto byte = static_cast<unsigned char>(text[read]);
    if (!IsMark(byte)) {
      ++read;
      if (!IsInvisibleControl(byte)) text[write++] = spacing[byte];
      continue;
    }
    // A run of marks, then the letter they accent.
    std::size_t marksEnd = read;
    while (marksEnd < length && IsMark(static_cast<unsigned char>(text[marksEnd]))) ++marksEnd;
    const char32_t letter = marksEnd < length ? CodePointOf(static_cast<unsigned char>(text[marksEnd])) : 0;
    if (letter == 0 || !IsLetter(letter)) {
      read = marksEnd;  // marks without a letter are left out, the next byte is kept
      continue;
    }
    text[write++] = MarkedLetterByte(text, read, marksEnd, letter, markedLetters);
    read = marksEnd + 1;
  }
  return write;
}

}  // namespace quenor
