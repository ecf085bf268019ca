#include "session/report_metrics.h"

#include <algorithm>

namespace quenor {

namespace {
constexpr int kCharactersAcross = 75;
constexpr int kPrintWidthUnits = 1160;
}  // namespace

int ReportCharacterHeight(int clientWidth) { return std::max(clientWidth, 0) / kCharactersAcross; }

int HeadingPaneHeight(int headingLines, int characterHeight) {
  // × 1.2 in integers, truncated.
  return headingLines * characterHeight * 6 / 5 + 5;
}

int PrintFontHeight(std::string_view reportText) {
  std::size_t longest = 0;
  std::size_t start = reportText.find('\n');
  if (start == std::string_view::npos) return 0;
  ++start;
  while (start < reportText.size()) {
    std::size_t end = reportText.find('\n', start);
    if (end == std::string_view::npos) end = reportText.size();
    std::size_t length = end - start;
    if (length > 0 && reportText[start + length - 1] == '\r') --length;
    longest = std::max(longest, length);
    start = end + 1;
  }
  if (longest == 0) return 0;
  return std::max(1, kPrintWidthUnits / static_cast<int>(std::min<std::size_t>(longest, kPrintWidthUnits + 1)));
}

}  // namespace quenor
