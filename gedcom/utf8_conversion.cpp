// UTF-8 text converted to Windows-1252 in place.
#include <cstdint>
#include <cstring>

#include "gedcom/character_set.h"
#include "gedcom/letter_folding.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

// One step of the decoding: a code point, or a malformed part of a sequence.
struct Utf8Step {
  char32_t codePoint = 0;
  std::size_t length = 1;  // bytes consumed, never a byte that could start a character
  bool valid = false;
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// True when one of the eight bytes from `bytes` on is 0x80 or above.
bool HasHighBit(const unsigned char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & 0x8080808080808080ULL) != 0;
}

// Moves the run of ASCII bytes from `read` down to `write`, eight bytes at a
// time; returns where the run ended, `write` following. Since `write` is
// never after `read`, a word stored at `write` only covers bytes already read.
std::size_t MoveAsciiRun(char* text, std::size_t read, std::size_t& write, std::size_t length) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  if (write == read) {
    while (read + 8 <= length && !HasHighBit(bytes + read)) read += 8;
    while (read < length && bytes[read] < 0x80) ++read;
    write = read;
    return read;
  }
  for (; read + 8 <= length && !HasHighBit(bytes + read); read += 8, write += 8) std::memcpy(text + write, text + read, 8);
  while (read < length && bytes[read] < 0x80) text[write++] = text[read++];
  return read;
}

// The range allowed for the byte after the lead byte: it excludes overlong
// forms, surrogates and code points above U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
  switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default:   return IsContinuation(second);
  }
}

// How many bytes follow this lead byte, -1 when it cannot start a sequence.
int FollowingBytes(unsigned char lead) {
  if (lead < 0x80) return 0;
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return -1;
}

// Decodes the sequence at text[0]; a malformed sequence consumes only its
// lead byte and the continuation bytes that fitted before the fault.
Utf8Step DecodeStep(const unsigned char* text, std::size_t available) {
  const unsigned char lead = text[0];
  const int following = FollowingBytes(lead);
  if (following < 0) return {};
  if (following == 0) return {lead, 1, true};
  char32_t codePoint = lead & (0x3F >> following);
  std::size_t length = 1;
  for (int k = 0; k < following; ++k, ++length) {
    if (length >= available) return {0, length, false};
    const unsigned char next = text[length];
    const bool fits = k == 0 ? SecondByteFits(lead, next) : IsContinuation(next);
    if (!fits) return {0, length, false};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  return {codePoint, length, true};
}

// What the conversion keeps from one character to the next.
struct ConversionState {
  char32_t lastCodePoint = 0;  // of the byte just written, 0 when a mark cannot compose with it
  FoldMemo folds;
};

// Writes the Windows-1252 form of one decoded character at text[write].
std::size_t WriteCharacter(char* text, std::size_t write, char32_t codePoint, ConversionState& state) {
  if (IsCombiningMark(codePoint)) {
    const char32_t composed = state.lastCodePoint == 0 ? 0 : ComposeWithMark(state.lastCodePoint, codePoint);
    const int byte = composed == 0 ? -1 : Cp1252OfCodePoint(composed);
    if (byte >= 0) {
      text[write - 1] = static_cast<char>(byte);
      state.lastCodePoint = composed;
    }
    return write;  // a mark that does not compose is left out, its letter kept
  }
  if (IsInvisibleFormatCharacter(codePoint)) return write;
  text[write] = state.folds.Fold(codePoint);
  state.lastCodePoint = codePoint;
  return write + 1;
}

}  // namespace

std::size_t ConvertUtf8ToCp1252(char* text, std::size_t length) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  std::size_t read = 0;
  std::size_t write = 0;
  ConversionState state;
  while (read < length) {
    if (bytes[read] < 0x80) {
      read = MoveAsciiRun(text, read, write, length);
      state.lastCodePoint = static_cast<unsigned char>(text[write - 1]);
      continue;
    }
    const Utf8Step step = DecodeStep(bytes + read, length - read);
    read += step.length;
    if (step.valid) {
      write = WriteCharacter(text, write, step.codePoint, state);
    } else {
      text[write++] = '?';
      state.lastCodePoint = 0;
    }
  }
  return write;
}

bool IsUtf8WithNonAscii(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  bool nonAscii = false;
  std::size_t i = 0;
  while (i < text.size()) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    const Utf8Step step = DecodeStep(bytes + i, text.size() - i);
    if (!step.valid) return false;
    nonAscii = true;
    i += step.length;
  }
  return nonAscii;
}

}  // namespace quenor
