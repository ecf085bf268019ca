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

// The character set declared before the first record, if any.
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

// The bytes of `word` that are zero, as 0x80 in their place (exactly).
uint64_t ZeroBytes(uint64_t word) {
  constexpr uint64_t kLows = 0x7F7F7F7F7F7F7F7FULL;
  return ~(((word & kLows) + kLows) | word | kLows);
}

// The position of the first carriage return or line feed from `from` on, or
// `length`; eight bytes are looked at together.
std::size_t NextLineEnd(const char* text, std::size_t from, std::size_t length) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  std::size_t i = from;
  for (; i + 8 <= length; i += 8) {
    uint64_t word;
    std::memcpy(&word, text + i, sizeof word);
    const uint64_t found = ZeroBytes(word ^ (kOnes * '\r')) | ZeroBytes(word ^ (kOnes * '\n'));
    if (found != 0) {
      if constexpr (std::endian::native == std::endian::little) return i + std::countr_zero(found) / 8;
      break;
    }
  }
  while (i < length && text[i] != '\r' && text[i] != '\n') ++i;
  return i;
}

}  // namespace

CharacterSet DetectCharacterSet(std::string_view text) {
  if (const auto declared = DeclaredCharacterSet(text)) return *declared;
  return IsUtf8WithNonAscii(text) ? CharacterSet::Utf8 : CharacterSet::Ansi;
}

std::size_t NormalizeLineEnds(char* text, std::size_t length) {
  std::size_t out = 0;
  std::size_t i = 0;
  while (i < length) {
    const std::size_t end = NextLineEnd(text, i, length);
    if (out != i) std::memmove(text + out, text + i, end - i);
    out += end - i;
    if (end >= length) break;
    // CR LF, LF CR, a lone CR or a lone LF: one line feed.
    const char c = text[end];
    text[out++] = '\n';
    const char pair = c == '\r' ? '\n' : '\r';
    i = end + 1;
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
