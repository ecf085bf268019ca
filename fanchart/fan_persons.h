#pragma once
// The couples' texts in the boxes of the fan, read back from the ancestry
// list: names, marriage dates and places.
#include <cstdint>
#include <string>

#include "fanchart/ancestor_line.h"
#include "fanchart/fan_geometry.h"
#include "fanchart/fan_layout.h"
#include "platform/canvas.h"

namespace quenor {

// Asked once per line read whether the user clicked the cancel button.
class CancelPoll {
 public:
  virtual ~CancelPoll() = default;
  virtual bool CancelClicked() = 0;
};

// Where one radial line of text goes in a person's sector.
struct RadialPlacement {
  int32_t number = 0;      // the person, or the couple's box in generation 12
  GenerationSpan span;     // of the person's generation (of the boxes in 12)
  float fraction = 0.5f;   // of the sector, from its edge farther from the axis
  float rhoPaternal = 0.0f;
  float rhoMaternal = 0.0f;
  float height = 0.0f;     // nominal, drawing units
  double maxLength = 0.0;  // drawing units; a wider text is shrunk
  bool italic = false;
};

// One radial line of text: shrunk to its maximum length, rotated to read
// along its ray, left out when its point is far outside the clip rectangle.
void DrawRadialText(Canvas& canvas, FanLayout& layout, const RadialPlacement& placement, const std::string& text);

// Lays out the texts of one person of the ancestry list.
void DrawPersonTexts(Canvas& canvas, FanLayout& layout, const AncestorLine& line);

// Reads the ancestry list at `listPath` and draws every person of the chart's
// generations. Stops early when layout.drawingActive is cleared or the poll
// reports a click (which clears it). Nothing is drawn when the list cannot
// be opened.
void DrawFanPersons(Canvas& canvas, FanLayout& layout, const std::string& listPath, CancelPoll* poll = nullptr);

}  // namespace quenor
