#include "platform/cp1252.h"

#include <array>

#include "platform/utf8.h"

namespace quenor {
namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t CodePointOfCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

int Cp1252OfCodePoint(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
  for (int k = 0; k < 32; ++k) {
    if (kHighControls[k] == codePoint) return 0x80 + k;
  }
  return -1;
}

std::string Utf8FromCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) AppendUtf8(out, CodePointOfCp1252(static_cast<unsigned char>(c)));
  return out;
}

std::string Cp1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const int byte = Cp1252OfCodePoint(DecodeUtf8At(text, i));
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

void LowerCp1252InPlace(std::string& text) {
  for (char& c : text) c = LowerCp1252(c);
}

}  // namespace quenor
