#pragma once
// The completeness and implex chart of the ancestry command, as an SVG or PNG
// picture, available only when quenor-cli is built with Qt.
#include <string>

namespace quenor {

class Session;

// True when this build can draw pictures.
bool ChartPicturesAvailable();

// Writes the chart of the session's last analysis at `path` (.svg or .png)
// in width x height pixels; tells the user and returns false on failure.
bool WriteCompletenessChartPicture(Session& session, const std::string& path, int width, int height);

}  // namespace quenor
