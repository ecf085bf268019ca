#include "platform/utf8.h"

namespace quenor {
namespace {

// The continuation bytes a lead byte allows first: narrower than 0x80..0xBF
// after E0 and F0 (overlong forms), ED (surrogates) and F4 (above U+10FFFF).
struct FirstContinuation {
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
};

FirstContinuation FirstContinuationAfter(unsigned char lead) {
  switch (lead) {
    case 0xE0: return {0xA0, 0xBF};
    case 0xED: return {0x80, 0x9F};
    case 0xF0: return {0x90, 0xBF};
    case 0xF4: return {0x80, 0x8F};
    default: return {};
  }
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char32_t DecodeUtf8At(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; cp = lead & 0x1F; }
  else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; cp = lead & 0x0F; }
  else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; cp = lead & 0x07; }
  else return kReplacementCharacter;
  FirstContinuation allowed = FirstContinuationAfter(lead);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size()) return kReplacementCharacter;
    const auto next = static_cast<unsigned char>(text[i]);
    if (next < allowed.low || next > allowed.high) return kReplacementCharacter;
    allowed = {};
    cp = (cp << 6) | (next & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace quenor
