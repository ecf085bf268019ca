#include "shell/line_index.h"

#include <gtest/gtest.h>

#include <string>

namespace quenor {
namespace {

TEST(LineIndex, FindsLineStartsAndLengthsWithoutLineEnds) {
  const std::string text = "abc\r\nde\r\n\r\nfghij";
  const LineIndex lines(text);
  ASSERT_EQ(lines.LineCount(), 4);
  EXPECT_EQ(lines.LineStart(1), 5);
  EXPECT_EQ(lines.LineLength(0), 3);
  EXPECT_EQ(lines.LineLength(2), 0);
  EXPECT_EQ(lines.LineLength(3), 5);
  EXPECT_EQ(lines.LongestLine(), 5);
  EXPECT_EQ(lines.LineOf(0), 0);
  EXPECT_EQ(lines.LineOf(4), 0);  // the line feed belongs to its line
  EXPECT_EQ(lines.LineOf(5), 1);
  EXPECT_EQ(lines.LineOf(100), 3);
}

TEST(LineIndex, AFinalLineFeedOpensNoEmptyLine) {
  EXPECT_EQ(LineIndex("a\nb\n").LineCount(), 2);
  EXPECT_EQ(LineIndex("").LineCount(), 1);
  EXPECT_EQ(LineIndex("").LineLength(0), 0);
}

}  // namespace
}  // namespace quenor
