#include "gedcom/character_set.h"

#include <array>

namespace quenor {

ByteOrderMark DetectByteOrderMark(std::string_view bytes) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return ByteOrderMark::Utf8;
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return ByteOrderMark::Utf16LittleEndian;
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return ByteOrderMark::Utf16BigEndian;
  return ByteOrderMark::None;
}

CharacterSet DetectCharacterSet(std::string_view text) {
  static constexpr std::pair<std::string_view, CharacterSet> kDeclarations[] = {
      {"1 CHAR ANSI", CharacterSet::Ansi},   {"1 CHAR IBMPC", CharacterSet::Oem},
      {"1 CHAR MS-DOS", CharacterSet::Oem},  {"1 CHAR ANSEL", CharacterSet::Ansel},
      {"1 CHAR UTF-8", CharacterSet::Utf8}};
  std::size_t lineStart = 0;
  bool first = true;
  while (lineStart < text.size()) {
    std::size_t lineEnd = text.find_first_of("\r\n", lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    const std::string_view line = text.substr(lineStart, lineEnd - lineStart).substr(0, 254);
    if (!first) {
      for (const auto& [declaration, charset] : kDeclarations) {
        if (line.find(declaration) != std::string_view::npos) return charset;
      }
    }
    if (line.find("0 @") != std::string_view::npos) break;
    first = false;
    lineStart = lineEnd;
    while (lineStart < text.size() && (text[lineStart] == '\r' || text[lineStart] == '\n')) {
      ++lineStart;
      break;
    }
  }
  return CharacterSet::Ansi;
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

std::string DecodeUtf16ToUtf8(std::string_view, bool) { return {}; }
std::size_t ConvertToCp1252(char*, std::size_t length, CharacterSet) { return length; }
char FoldToCp1252(char32_t) { return '?'; }
char Cp850ToCp1252(unsigned char byte) { return static_cast<char>(byte); }

}  // namespace quenor
