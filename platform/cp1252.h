#pragma once
// Windows-1252, the program's one character set: conversions to and from
// Unicode and the lower-casing the record fields need.
#include <string>
#include <string_view>

namespace quenor {

// The Unicode code point of a Windows-1252 byte (the five bytes that
// Windows-1252 leaves undefined map to the C1 control of the same value).
char32_t CodePointOfCp1252(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when Windows-1252 has none.
int Cp1252OfCodePoint(char32_t codePoint);

// Windows-1252 text to UTF-8, for display and for file names.
std::string Utf8FromCp1252(std::string_view text);

// UTF-8 text (source literals, file names) to Windows-1252. Characters that
// Windows-1252 lacks become '?'; malformed bytes become '?'.
std::string Cp1252FromUtf8(std::string_view text);

// Lower case of one Windows-1252 byte, accented capitals included.
constexpr char LowerCp1252(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 16);  // Š Œ Ž
  if (b == 0x9F) return static_cast<char>(0xFF);                               // Ÿ
  return byte;
}
void LowerCp1252InPlace(std::string& text);

// True for the bytes the program treats as letters when trimming places and
// testing names: ASCII "A" and above, and every byte above 127.
inline bool IsAtOrAboveLetterA(unsigned char byte) { return byte >= 'A'; }

namespace literals {
// "Liste alphabétique"_ansi is the Windows-1252 form of a UTF-8 source literal.
inline std::string operator""_ansi(const char* text, std::size_t length) {
  return Cp1252FromUtf8(std::string_view(text, length));
}
}  // namespace literals

}  // namespace quenor
