#pragma once
// Character sets of GEDCOM files and their conversion to Windows-1252.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quenor {

enum class CharacterSet { Ansi, Oem, Ansel, Utf8 };

enum class ByteOrderMark { None, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The byte order mark at the start of the raw file bytes.
ByteOrderMark DetectByteOrderMark(std::string_view bytes);

// UTF-16 bytes (mark already removed) decoded to UTF-8; malformed units become "?".
std::string DecodeUtf16ToUtf8(std::string_view bytes, bool bigEndian);

// The character set declared by the header: the lines after the first one
// (which holds "0 HEAD"), up to the first line that contains "0 @", are
// tested for "1 CHAR ANSI", "1 CHAR IBMPC", "1 CHAR MS-DOS", "1 CHAR ANSEL",
// "1 CHAR UTF-8" in that order. Any line end form. When none matches the
// file is ANSI, unless the whole text is well-formed UTF-8 with at least one
// character beyond ASCII (files of the later GEDCOM versions carry no CHAR
// line and are UTF-8).
CharacterSet DetectCharacterSet(std::string_view text);

// The character set a header line declares (the first part of
// DetectCharacterSet), if any.
std::optional<CharacterSet> DeclaredCharacterSet(std::string_view text);

// True when the text is well-formed UTF-8 and holds at least one character
// beyond ASCII.
bool IsUtf8WithNonAscii(std::string_view text);

// Makes every line end form (CR LF, LF CR, lone CR, lone LF) a single line
// feed, in place; returns the new length.
std::size_t NormalizeLineEnds(char* text, std::size_t length);

// Converts the text to Windows-1252 in place; the text never grows. Returns
// the new length. Reads no byte beyond `length`.
std::size_t ConvertToCp1252(char* text, std::size_t length, CharacterSet charset);

// UTF-8 to Windows-1252: each character to its byte or its folded letter
// (FoldToCp1252); a combining mark composes with the letter before it when
// Windows-1252 has the composed letter and is left out otherwise; zero-width
// characters are left out; each malformed part of a sequence becomes '?'
// without swallowing the byte that follows it. Returns the new length.
std::size_t ConvertUtf8ToCp1252(char* text, std::size_t length);

// ANSEL to Windows-1252: spacing characters to their byte or nearest letter;
// a run of combining marks (0xE0 to 0xFE) composes with the letter after it,
// which is always kept; marks that accent no letter are left out and the
// byte after them kept. Returns the new length.
std::size_t ConvertAnselToCp1252(char* text, std::size_t length);

// Code page 850 to Windows-1252, byte for byte.
void ConvertCp850ToCp1252(char* text, std::size_t length);

// One code point as Windows-1252: its own byte, or for a letter that
// Windows-1252 lacks its base letter without the accent, or '?'.
char FoldToCp1252(char32_t codePoint);

// The code page 850 (Western European DOS) byte as Windows-1252.
char Cp850ToCp1252(unsigned char byte);

}  // namespace quenor
