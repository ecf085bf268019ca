#include "gedcom/character_set.h"

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

}  // namespace

CharacterSet DetectCharacterSet(std::string_view text) {
  if (const auto declared = DeclaredCharacterSet(text)) return *declared;
  return IsUtf8WithNonAscii(text) ? CharacterSet::Utf8 : CharacterSet::Ansi;
}

std::size_t NormalizeLineEnds(char* text, std::size_t length) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      text[out++] = '\n';
      const char pair = c == '\r' ? '\n' : '\r';
      if (i + 1 < length && text[i + 1] == pair) ++i;
    } else {
      text[out++] = c;
    }
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
