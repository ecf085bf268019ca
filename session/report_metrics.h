#pragma once
// The sizes of the report viewer and of a printed report.
#include <string_view>

namespace quenor {

// The character height of both report panes: the main window's client width / 75.
int ReportCharacterHeight(int clientWidth);

// The heading pane's height for `headingLines` fixed lines: lines × height × 1.2 + 5.
int HeadingPaneHeight(int headingLines, int characterHeight);

// The font height of a printed report: 1160 / L, L being the length of its
// longest line from the second line on, so that the widest line fits the page
// (at least 1). 0 when the report has no line after the first: nothing to print.
int PrintFontHeight(std::string_view reportText);

}  // namespace quenor
