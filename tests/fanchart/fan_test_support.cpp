#include "tests/fanchart/fan_test_support.h"

#include <cstdio>

#include "ancestry/ancestry_analysis.h"
#include "fanchart/fan_pages.h"
#include "gedcom/record_fields.h"
#include "tests/support/session_fixture.h"

namespace quenor::testing {

FanLayout WholeChartLayout(int generations, PaintMode mode) {
  FanLayout layout;
  layout.generationCount = generations;
  layout.pageWidth = 8.0;
  layout.pageHeight = 10.0;
  StartFanRun(layout);
  layout.pageRect = {-40.0f, 40.0f, -2.0f, 38.0f};
  layout.clipRect = layout.pageRect;
  layout.paintMode = mode;
  return layout;
}

double RadiusOf(const FanLayout& layout, int x, int y) {
  const double k = layout.unitsPerInch;
  return std::hypot(x / k + layout.pageRect.xMin, y / k + layout.pageRect.yMin);
}

double AngleOf(const FanLayout& layout, int x, int y) {
  const double k = layout.unitsPerInch;
  return std::atan2(y / k + layout.pageRect.yMin, x / k + layout.pageRect.xMin);
}

std::string ListLine(int32_t stradonitz, int32_t individual, const std::string& name, const std::string& date,
                     const std::string& place, bool married) {
  char line[256];
  std::snprintf(line, sizeof line, "%10ld %7ld %-40s ", static_cast<long>(stradonitz), static_cast<long>(individual),
                name.c_str());
  std::string text = line;
  if (married) {
    std::snprintf(line, sizeof line, "%17s %s", date.c_str(), place.c_str());
    text += line;
  }
  return text + "\r\n";
}

bool AnalyseProbant(SessionFixture& fixture, int32_t individual) {
  char start[16];
  std::snprintf(start, sizeof start, "%7ld  ", static_cast<long>(individual));
  fixture.session.selectionMode = 1;
  fixture.session.chosenLine = (start + PersonName(fixture.session.index, 1, individual)).substr(0, 49);
  return AnalyseAncestry(fixture.session) == AncestryOutcome::Analysed;
}

}  // namespace quenor::testing
