#include "bench/gedgen/output_charset.h"

#include <cstdint>

#include "platform/cp1252.h"

namespace quenor::gedgen {
namespace {

constexpr unsigned char kGrave = 0xE1;
constexpr unsigned char kAcute = 0xE2;
constexpr unsigned char kCircumflex = 0xE3;
constexpr unsigned char kTilde = 0xE4;
constexpr unsigned char kDiaeresis = 0xE8;
constexpr unsigned char kCedilla = 0xF0;

struct AnselLetter {
  char32_t codePoint;
  unsigned char mark;  // 0: `base` is the whole ANSEL character
  unsigned char base;
};

// The ANSEL form of the Latin letters of Windows-1252: a combining mark
// written before its base letter, or a letter of its own.
constexpr AnselLetter kAnselLetters[] = {
    {U'À', kGrave, 'A'},     {U'Á', kAcute, 'A'},     {U'Â', kCircumflex, 'A'}, {U'Ã', kTilde, 'A'},
    {U'Ä', kDiaeresis, 'A'}, {U'Ç', kCedilla, 'C'},   {U'È', kGrave, 'E'},      {U'É', kAcute, 'E'},
    {U'Ê', kCircumflex, 'E'}, {U'Ë', kDiaeresis, 'E'}, {U'Ì', kGrave, 'I'},     {U'Í', kAcute, 'I'},
    {U'Î', kCircumflex, 'I'}, {U'Ï', kDiaeresis, 'I'}, {U'Ñ', kTilde, 'N'},     {U'Ò', kGrave, 'O'},
    {U'Ó', kAcute, 'O'},     {U'Ô', kCircumflex, 'O'}, {U'Õ', kTilde, 'O'},     {U'Ö', kDiaeresis, 'O'},
    {U'Ù', kGrave, 'U'},     {U'Ú', kAcute, 'U'},     {U'Û', kCircumflex, 'U'}, {U'Ü', kDiaeresis, 'U'},
    {U'Ý', kAcute, 'Y'},     {U'à', kGrave, 'a'},     {U'á', kAcute, 'a'},      {U'â', kCircumflex, 'a'},
    {U'ã', kTilde, 'a'},     {U'ä', kDiaeresis, 'a'}, {U'ç', kCedilla, 'c'},    {U'è', kGrave, 'e'},
    {U'é', kAcute, 'e'},     {U'ê', kCircumflex, 'e'}, {U'ë', kDiaeresis, 'e'}, {U'ì', kGrave, 'i'},
    {U'í', kAcute, 'i'},     {U'î', kCircumflex, 'i'}, {U'ï', kDiaeresis, 'i'}, {U'ñ', kTilde, 'n'},
    {U'ò', kGrave, 'o'},     {U'ó', kAcute, 'o'},     {U'ô', kCircumflex, 'o'}, {U'õ', kTilde, 'o'},
    {U'ö', kDiaeresis, 'o'}, {U'ù', kGrave, 'u'},     {U'ú', kAcute, 'u'},      {U'û', kCircumflex, 'u'},
    {U'ü', kDiaeresis, 'u'}, {U'ý', kAcute, 'y'},     {U'ÿ', kDiaeresis, 'y'},  {U'Ÿ', kDiaeresis, 'Y'},
    {U'Œ', 0, 0xA6},         {U'œ', 0, 0xB6},         {U'Æ', 0, 0xA5},          {U'æ', 0, 0xB5},
    {U'Ø', 0, 0xA2},         {U'ø', 0, 0xB2},         {U'ß', 0, 0xCF}};

// Decodes the code point at `i` and moves `i` past it; U+FFFD for a malformed sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (trailing < 0 || i + static_cast<std::size_t>(trailing) > text.size()) return U'\uFFFD';
  char32_t codePoint = lead & (0x3F >> trailing);
  for (int k = 0; k < trailing; ++k) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return U'\uFFFD';
    codePoint = (codePoint << 6) | (next & 0x3F);
    ++i;
  }
  return codePoint;
}

void AppendAnsel(std::string& out, char32_t codePoint) {
  for (const AnselLetter& letter : kAnselLetters) {
    if (letter.codePoint != codePoint) continue;
    if (letter.mark != 0) out.push_back(static_cast<char>(letter.mark));
    out.push_back(static_cast<char>(letter.base));
    return;
  }
  out.push_back(codePoint == U'«' || codePoint == U'»' ? '"' : '?');
}

void AppendAnsi(std::string& out, char32_t codePoint) {
  const int byte = Cp1252OfCodePoint(codePoint);
  out.push_back(byte >= 0 ? static_cast<char>(byte) : '?');
}

}  // namespace

std::optional<OutputCharset> ParseOutputCharset(std::string_view name) {
  if (name == "utf8" || name == "utf-8") return OutputCharset::Utf8;
  if (name == "utf8-bom" || name == "utf-8-bom") return OutputCharset::Utf8WithMark;
  if (name == "ansel") return OutputCharset::Ansel;
  if (name == "ansi" || name == "cp1252" || name == "windows-1252") return OutputCharset::Ansi;
  return std::nullopt;
}

std::string_view CharLineValue(OutputCharset charset) {
  switch (charset) {
    case OutputCharset::Ansel: return "ANSEL";
    case OutputCharset::Ansi: return "ANSI";
    case OutputCharset::Utf8:
    case OutputCharset::Utf8WithMark: break;
  }
  return "UTF-8";
}

std::string_view FileStart(OutputCharset charset) {
  return charset == OutputCharset::Utf8WithMark ? std::string_view("\xEF\xBB\xBF") : std::string_view();
}

void AppendEncoded(std::string& out, std::string_view utf8, OutputCharset charset) {
  if (charset == OutputCharset::Utf8 || charset == OutputCharset::Utf8WithMark) {
    out.append(utf8);
    return;
  }
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.push_back(utf8[i++]);
      continue;
    }
    const char32_t codePoint = NextCodePoint(utf8, i);
    if (charset == OutputCharset::Ansel) AppendAnsel(out, codePoint); else AppendAnsi(out, codePoint);
  }
}

}  // namespace quenor::gedgen
