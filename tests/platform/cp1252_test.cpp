#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace quenor {
namespace {

using namespace literals;

TEST(Cp1252, RoundTripsEveryDefinedByte) {
  for (int b = 1; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(one)), one) << b;
  }
}

TEST(Cp1252, SourceLiteralsBecomeSingleBytes) {
  EXPECT_EQ("é"_ansi, "\xE9");
  EXPECT_EQ("Œuvre €"_ansi, "\x8C" "uvre \x80");
  EXPECT_EQ("a\xC3"_ansi, "a?");  // malformed tail
  EXPECT_EQ("ő"_ansi, "?");      // not in Windows-1252
}

TEST(Cp1252, LowersAccentedCapitals) {
  std::string text = "ÉLÈVE ŒUVRE ŠŽŸ ×"_ansi;
  LowerCp1252InPlace(text);
  EXPECT_EQ(text, "élève œuvre šžÿ ×"_ansi);
}

// Every code point of a text, as the decoder reads it.
std::u32string Decoded(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) out.push_back(DecodeUtf8At(text, i));
  return out;
}

TEST(Utf8, DecodesEveryLengthAndRoundTrips) {
  for (char32_t cp : {U'a', U'é', U'€', U'\U0001F333', U'\U0010FFFF'}) {
    std::string bytes;
    AppendUtf8(bytes, cp);
    EXPECT_EQ(Decoded(bytes), std::u32string(1, cp)) << static_cast<unsigned>(cp);
  }
}

TEST(Utf8, MalformedSequencesGiveTheReplacementCharacter) {
  const char32_t r = kReplacementCharacter;
  EXPECT_EQ(Decoded("\xFF" "a"), (std::u32string{r, U'a'}));            // never a UTF-8 byte
  EXPECT_EQ(Decoded("\x80" "a"), (std::u32string{r, U'a'}));            // stray continuation
  EXPECT_EQ(Decoded("\xC3"), (std::u32string{r}));                      // cut short
  EXPECT_EQ(Decoded("\xC3" "a"), (std::u32string{r, U'a'}));            // the next byte is kept
  EXPECT_EQ(Decoded("\xC0\xAF"), (std::u32string{r, r}));               // overlong "/"
  EXPECT_EQ(Decoded("\xE0\x80\xAF"), (std::u32string{r, r, r}));        // overlong "/"
  EXPECT_EQ(Decoded("\xED\xA0\x80"), (std::u32string{r, r, r}));        // a surrogate
  EXPECT_EQ(Decoded("\xF4\x90\x80\x80"), (std::u32string{r, r, r, r}));  // above U+10FFFF
  EXPECT_EQ(Cp1252FromUtf8("\xC1\x81"), "??");  // no hidden "A" gets through
}

TEST(Clock, RunDateIsZeroPadded) {
  EXPECT_EQ(FormatRunDate(CalendarDate{2024, 3, 5}), "2024-03-05");
}

}  // namespace
}  // namespace quenor
