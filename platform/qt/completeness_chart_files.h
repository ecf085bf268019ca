#pragma once
// The completeness and implex chart written as an SVG or PNG picture.
#include <QSize>
#include <string>

namespace quenor {

struct CompletenessChartData;

enum class ChartFileResult { Written, UnknownFormat, NotWritten };

// The picture's kind follows the extension of `path` (.svg or .png); `size`
// in pixels. A QGuiApplication must exist.
ChartFileResult WriteCompletenessChartFile(const CompletenessChartData& data, const std::string& path, QSize size);

}  // namespace quenor
