#pragma once
// Printing the report shown: its lines in a fixed-pitch font whose height
// lets the widest line fit the page, page after page.
#include <string_view>

class QPrinter;

namespace quenor {

// Prints `text` (Windows-1252 bytes) with a font of `fontHeight` screen pixels
// (96 to the inch). Returns the number of pages printed, 0 on failure.
int PrintReportText(QPrinter& printer, std::string_view text, int fontHeight);

}  // namespace quenor
