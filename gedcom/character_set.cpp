#include "gedcom/character_set.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

namespace quenor {

ByteOrderMark DetectByteOrderMark(std::string_view bytes) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return ByteOrderMark::Utf8;
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return ByteOrderMark::Utf16LittleEndian;
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return ByteOrderMark::Utf16BigEndian;
  return ByteOrderMark::None;
}

namespace {

constexpr std::size_t kLongestHeaderLine = 254;

// The character set named by one header line, if any.
std::optional<CharacterSet> DeclaredBy(std::string_view line) {
  static constexpr std::pair<std::string_view, CharacterSet> kDeclarations[] = {
      {"1 CHAR ANSI", CharacterSet::Ansi},   {"1 CHAR IBMPC", CharacterSet::Oem},
      {"1 CHAR MS-DOS", CharacterSet::Oem},  {"1 CHAR ANSEL", CharacterSet::Ansel},
      {"1 CHAR UTF-8", CharacterSet::Utf8}};
  for (const auto& [declaration, charset] : kDeclarations) {
    if (line.find(declaration) != std::string_view::npos) return charset;
  }
  return std::nullopt;
}

// The bytes of `word` that are zero, as 0x80 in their place (exactly).
uint64_t ZeroBytes(uint64_t word) {
  constexpr uint64_t kLows = 0x7F7F7F7F7F7F7F7FULL;
  return ~(((word & kLows) + kLows) | word | kLows);
}

// The line end bytes of `word`, as 0x80 in their place.
uint64_t LineEndBytes(uint64_t word) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  return ZeroBytes(word ^ (kOnes * '\r')) | ZeroBytes(word ^ (kOnes * '\n'));
}

// Moves the bytes from `i` up to the next carriage return or line feed (or
// `length`) down to `out`, eight at a time; returns where the run ended,
// `out` following. Since `out` is never after `i`, a whole word stored at
// `out` only covers bytes already read.
std::size_t MoveLine(char* text, std::size_t i, std::size_t& out, std::size_t length) {
  for (; i + 8 <= length; i += 8, out += 8) {
    uint64_t word;
    std::memcpy(&word, text + i, sizeof word);
    if (LineEndBytes(word) != 0) break;
    if (out != i) std::memcpy(text + out, &word, sizeof word);
  }
  while (i < length && text[i] != '\r' && text[i] != '\n') text[out++] = text[i++];
  return i;
}

}  // namespace

std::optional<CharacterSet> DeclaredCharacterSet(std::string_view text) {
  std::size_t lineStart = 0;
  bool firstLine = true;
  while (lineStart < text.size()) {
    std::size_t lineEnd = text.find_first_of("\r\n", lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    const std::string_view line = text.substr(lineStart, lineEnd - lineStart).substr(0, kLongestHeaderLine);
    if (!firstLine) {
      if (const auto charset = DeclaredBy(line)) return charset;
    }
    if (line.find("0 @") != std::string_view::npos) break;
    firstLine = false;
    lineStart = lineEnd + 1;
  }
  return std::nullopt;
}

CharacterSet DetectCharacterSet(std::string_view text) {
  if (const auto declared = DeclaredCharacterSet(text)) return *declared;
  return IsUtf8WithNonAscii(text) ? CharacterSet::Utf8 : CharacterSet::Ansi;
}

std::size_t NormalizeLineEnds(char* text, std::size_t length) {
  std::size_t out = 0;
  std::size_t i = 0;
  while (i < length) {
    i = MoveLine(text, i, out, length);
    if (i >= length) break;
    // CR LF, LF CR, a lone CR or a lone LF: one line feed.
    const char c = text[i];
    text[out++] = '\n';
    const char pair = c == '\r' ? '\n' : '\r';
    ++i;
    if (i < length && text[i] == pair) ++i;
  }
  return out;
}

std::size_t ConvertToCp1252(char* text, std::size_t length, CharacterSet charset) {
  switch (charset) {
    case CharacterSet::Ansi:
      return length;
    case CharacterSet::Oem:
      ConvertCp850ToCp1252(text, length);
      return length;
    case CharacterSet::Ansel:
      return ConvertAnselToCp1252(text, length);
    case CharacterSet::Utf8:
      return ConvertUtf8ToCp1252(text, length);
  }
  return length;
}

}  // namespace quenor
