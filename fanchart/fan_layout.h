#pragma once
// The fan chart's settings and the values derived from them, held by the
// main window for the whole run: what the parameters dialog confirmed, the
// current page and how it is being drawn.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quenor {

// The one font description every text of the fan uses; the drawing changes
// it in place before each text.
using TextStyle = FontDescription;

// A rectangle in drawing units (inches of the drawing at scale 1.0, y up).
struct FanRect {
  float xMin = 0.0f;
  float xMax = 0.0f;
  float yMin = 0.0f;
  float yMax = 0.0f;
};

enum class PaintMode : uint8_t { None = 0, Preview = 1, Printing = 2 };

// How the boxes of the chart are filled: not at all (the chart as it has
// always been drawn), a colour per generation, or a family of colours for
// the father's side and another for the mother's, one per grandparent.
enum class FanColouring : uint8_t { None = 0, Generation = 1, Lineage = 2 };

struct FanLayout {
  // Fixed at the start of every run.
  float ringWidth = 2.5f;
  float pageOverlap = 0.04f;

  // Confirmed by the parameters dialog.
  int generationCount = 6;   // generations shown, the probant's included, 4..12
  int firstStradonitz = 1;   // number printed for the probant
  float scale = 1.0f;        // 0.3..2.0
  double unitFactor = 1.0;   // 1.0 inches, 2.54 centimetres (display only)
  std::string probantLine;   // Windows-1252, printed under the fan
  std::vector<std::string> note;  // at most 4 lines, printed bottom right
  bool scriptOption = false;      // export an AutoCAD script instead of printing
  FanColouring colouring = FanColouring::None;  // printed and previewed pages

  // The printer and the tiling.
  int printerDpiX = 0;
  int printerDpiY = 0;
  double pageWidth = 8.0;   // printable page, inches
  double pageHeight = 10.0;
  int pagesAcross = 1;
  int pagesDown = 1;

  // The page being drawn.
  int ringCount = 5;        // rings drawn: generationCount - 1, but 12 for 12
  int unitsPerInch = 600;   // logical units per drawing unit: 600, or 300
  FanRect pageRect;
  FanRect clipRect;         // on screen the visible part, on paper the page
  PaintMode paintMode = PaintMode::None;
  bool drawingActive = false;  // cleared when the user cancels
  bool anglesInverted = false; // rotations turned the other way (printing only)

  TextStyle textStyle;
};

}  // namespace quenor
