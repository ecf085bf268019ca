#pragma once
// The drawing of the organigram from its text: the title, the names of the
// persons, their vertical bars and the junction pieces of the drawing lines.
// The same walk serves the screen (scrolled) and the printed pages (scaled,
// shifted by the page's origin); the single-column print has its own.
#include <cstdint>
#include <functional>
#include <string>

#include "kinship/organigram_text.h"

namespace quenor {

enum class OrganigramFont { Title, Name };

class OrganigramNameFit;

// The width of a name line in the name font made `factor` times its size.
using NameWidth = std::function<int(const std::string& text, double factor)>;

// Where the drawing goes. Texts are Windows-1252, centred on x and hanging
// from y.
class OrganigramSurface {
 public:
  virtual ~OrganigramSurface() = default;
  virtual void Text(int x, int y, const std::string& text, OrganigramFont font) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // The width of a text in the name font made `factor` times its size.
  virtual int NameWidth(const std::string& text, double factor) = 0;
  // Draws the names from now on in the name font made `factor` times its size.
  virtual void ScaleNames(double factor) = 0;
};

// A person's name in one of the formats of the record fields (0 full name,
// 2 given names, 3 surname).
using OrganigramNames = std::function<std::string(int format, int32_t person)>;

struct OrganigramGeometry {
  int lineHeight = OrganigramText::kLineHeight;
  int columnWidth = OrganigramText::kColumnWidth;
  int junctionGap = 5;  // d
  int leftMargin = 0;
  int shift = 0;        // added to names and vertical bars only
  int barExtra = 1;     // the extra pixel at the end of the vertical bars on screen
  int titleX = 0;       // before the origin is subtracted
  int originX = 0;      // scroll position or page origin
  int originY = 0;
  int firstLine = 2;    // the line of the first name line: 2 on screen, 3 on paper
};

// The geometry of the screen drawing scrolled to (hp, vp).
OrganigramGeometry ScreenGeometry(const OrganigramText& text, int hp, int vp);

// True for line r when it is a name line whose persons are each drawn in
// their column (every name line but the one of the ancestor and his spouse).
bool IsPersonsLine(const OrganigramText& text, int r);

// The width a name may take, centred on its column, without reaching the bars
// of the neighbouring columns (a single line of descent has none).
int OrganigramNameRoom(const OrganigramText& text, const OrganigramGeometry& geometry);

// Draws the title and the text; returns the line count the walk reached (the
// drawing's height in lines). With `fit`, the names are drawn as it wrapped
// them, in the largest font at which they all keep to their room.
int PaintOrganigram(const OrganigramText& text, const std::string& title,
                   const OrganigramNames& names, const OrganigramGeometry& geometry,
                   OrganigramSurface& surface, const OrganigramNameFit* fit = nullptr);

// The height in lines of the whole drawing, without drawing it, its names
// starting on `firstLine`.
int OrganigramLineCount(const OrganigramText& text, int firstLine = 2, const OrganigramNameFit* fit = nullptr);

// The printed single-column layout: every text and bar centred on centreX,
// only name lines drawn; returns the line count reached.
int PaintSingleColumnOrganigram(const OrganigramText& text, const std::string& title,
                               const OrganigramNames& names, int lineHeight, int centreX,
                               int originY, OrganigramSurface& surface);

}  // namespace quenor
