#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/cp1252.h"

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

TEST(Clock, RunDateIsZeroPadded) {
  EXPECT_EQ(FormatRunDate(CalendarDate{2024, 3, 5}), "2024-03-05");
}

}  // namespace
}  // namespace quenor
