#pragma once
// Letters composed with combining marks, and the marks and invisible
// characters the conversions to Windows-1252 leave out. FoldToCp1252
// (gedcom/character_set.h) gives the byte of a composed letter.
#include <string_view>
#include <vector>

namespace quenor {

// The letter `base` carrying the combining mark `mark` (e + U+0301 -> é), or
// 0 when Unicode has no such composed letter.
char32_t ComposeWithMark(char32_t base, char32_t mark);

// The letter `base` carrying as many of `marks` as Unicode composes with it
// (c + acute + cedilla -> ḉ); the marks may come in any order.
char32_t ComposeWithMarks(char32_t base, std::u32string_view marks);

// True for the combining diacritical marks that follow their letter in
// Unicode text (U+0300 to U+036F and the supplements).
bool IsCombiningMark(char32_t codePoint);

// True for characters that have no visible form of their own (zero-width
// blanks and joiners, word joiner, byte order mark inside the text).
bool IsInvisibleFormatCharacter(char32_t codePoint);

// FoldToCp1252 remembered for the code points below U+3000 (the alphabetic
// scripts), while one text is converted.
class FoldMemo {
 public:
  char Fold(char32_t codePoint);

 private:
  static constexpr char32_t kRemembered = 0x3000;
  std::vector<char> folded_;  // by code point below kRemembered, '\0': not yet folded
};

}  // namespace quenor
