#pragma once
// Layouts and helpers shared by the fan chart tests.
#include <cmath>
#include <cstdint>
#include <string>

#include "fanchart/fan_layout.h"
#include "platform/recording_canvas.h"

namespace quenor::testing {

class SessionFixture;

// A printed page that shows the whole chart of `generations` generations.
FanLayout WholeChartLayout(int generations, PaintMode mode = PaintMode::Printing);

// The distance from the fan's centre of a logical point, in drawing units.
double RadiusOf(const FanLayout& layout, int x, int y);
// The polar angle of a logical point, radians.
double AngleOf(const FanLayout& layout, int x, int y);

// One line of the ancestry list: "%10ld %7ld %-40s" then, with a marriage,
// " %17s %s" (the line ends after the blank that follows the name without one).
std::string ListLine(int32_t stradonitz, int32_t individual, const std::string& name, const std::string& date = "",
                     const std::string& place = "", bool married = true);

// Analyses the ancestry of `individual` in the loaded file, as the person
// selection and the analysis command do; true when the reports were written.
bool AnalyseProbant(SessionFixture& fixture, int32_t individual);

}  // namespace quenor::testing
