#include "kinship/organigram_painting.h"

#include <climits>
#include <initializer_list>
#include <vector>

#include "kinship/organigram_name_fit.h"

namespace quenor {
namespace {

constexpr int kPrintedFirstLine = 3;  // names under the title on paper
constexpr int kNameLineHeight = 4;
constexpr int kDrawingLineHeight = 2;
constexpr int kSpouseCell = 1;     // the field beside the ancestor holds his spouse
constexpr int kFullName = 0;
constexpr int kGivenNames = 2;
constexpr int kSurname = 3;

bool IsOneOf(unsigned char byte, std::initializer_list<unsigned char> set) {
  for (unsigned char member : set) {
    if (byte == member) return true;
  }
  return false;
}

int BarPosition(int c) { return kOrganigramCellWidth * c + kOrganigramCellWidth - 1; }

// One walk over the text with one geometry.
class OrganigramWalk {
 public:
  OrganigramWalk(const OrganigramText& text, const OrganigramNames& names,
                 const OrganigramGeometry& geometry, OrganigramSurface* surface,
                 const OrganigramNameFit* fit)
      : text_(text), names_(names), g_(geometry), surface_(surface), fit_(fit) {}

  int Run(const std::string& title) {
    int lineCount = 1;
    DrawText(g_.titleX - g_.originX, Y(lineCount), title, OrganigramFont::Title);
    if (fit_ && surface_) ScaleNamesToTheirRoom();
    lineCount = g_.firstLine;
    for (int r = 0; r < text_.RowCount(); ++r) {
      std::string_view line = text_.Line(r);
      if (line.empty()) continue;
      if (line[0] == '#') {
        lineCount += DrawNameLine(r, lineCount);
      } else if (line[0] == '*') {
        DrawDrawingLine(r, lineCount);
        lineCount += kDrawingLineHeight;
      }
    }
    return lineCount;
  }

 private:
  int X(int c) const { return (c + 1) * g_.columnWidth + g_.shift + g_.leftMargin - g_.originX; }
  int Xh(int c) const { return (c + 1) * g_.columnWidth + g_.leftMargin - g_.originX; }
  int Y(int line) const { return line * g_.lineHeight - g_.originY; }

  void DrawText(int x, int y, const std::string& text, OrganigramFont font) {
    if (surface_ && !text.empty()) surface_->Text(x, y, text, font);
  }
  void DrawLine(int x1, int y1, int x2, int y2) {
    if (surface_) surface_->Line(x1, y1, x2, y2);
  }

  // The names of the whole drawing at the largest size at which every line
  // the fit made keeps to its room on this surface.
  void ScaleNamesToTheirRoom() {
    OrganigramSurface& surface = *surface_;
    surface.ScaleNames(fit_->FactorToFit(
        [&surface](const std::string& text, double factor) { return surface.NameWidth(text, factor); },
        OrganigramNameRoom(text_, g_)));
  }

  // Draws name line r from line `lineCount` on; returns the lines it takes:
  // each half (even columns, then odd ones) the pitch of the line, the
  // ancestor and his spouse the usual four.
  int DrawNameLine(int r, int lineCount) {
    if (!IsPersonsLine(text_, r)) {
      // The ancestor and his spouse, one above the other; the other cells of
      // this line hold nothing but the spouse's number.
      DrawTopCouple(r, lineCount);
      return kNameLineHeight;
    }
    const int pitch = fit_ ? fit_->Pitch(r) : OrganigramNameFit::kUsualLines;
    bool lastLine = r == text_.RowCount() - 1;
    for (int c = 0; c < text_.ColumnCount(); ++c) {
      DrawPerson(r, c, lineCount, pitch, lastLine);
      if (text_.ByteAt(r, BarPosition(c)) == box::kVertical) {
        DrawLine(X(c), Y(lineCount), X(c), Y(lineCount + 2 * pitch));
      }
    }
    return 2 * pitch;
  }

  void DrawTopCouple(int r, int lineCount) {
    int32_t spouse = text_.NumberInCell(r, kSpouseCell);
    int32_t ancestor = text_.NumberInCell(r, 0);
    DrawText(X(0), Y(lineCount + 2), names_(kFullName, spouse), OrganigramFont::Name);
    DrawText(X(0), Y(lineCount + 1), "et", OrganigramFont::Name);
    DrawText(X(0), Y(lineCount), names_(kFullName, ancestor), OrganigramFont::Name);
  }

  std::vector<std::string> NameLines(int r, int c, int32_t person) const {
    if (fit_) return fit_->Lines(r, c);
    return {names_(kGivenNames, person), names_(kSurname, person)};
  }

  // The person's names in the upper half of the line for an even column, in
  // the lower half for an odd one; his bar joins them to the drawing line
  // below (even) or above (odd), beside the names of the other half.
  void DrawPerson(int r, int c, int lineCount, int pitch, bool lastLine) {
    int32_t person = text_.NumberInCell(r, c);
    if (person <= 0) return;
    const std::vector<std::string> lines = NameLines(r, c, person);
    const bool even = c % 2 == 0;
    int top = even ? lineCount : lineCount + pitch;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      DrawText(X(c), Y(top + static_cast<int>(i)), lines[i], OrganigramFont::Name);
    }
    if (lastLine) return;
    int barTop = even ? lineCount + static_cast<int>(lines.size()) : lineCount;
    int barBottom = even ? lineCount + 2 * pitch : lineCount + pitch;
    DrawLine(X(c), Y(barTop), X(c), Y(barBottom) + g_.barExtra);
  }

  void DrawDrawingLine(int r, int lineCount) {
    int d = g_.junctionGap;
    int top = Y(lineCount);
    int middle = Y(lineCount + 1);
    int bottom = Y(lineCount + 2);
    using namespace box;
    for (int c = 0; c < text_.ColumnCount(); ++c) {
      unsigned char b = text_.ByteAt(r, BarPosition(c));
      if (IsOneOf(b, {kVertical, kVerticalLeft, kVerticalRight, kCross}))
        DrawLine(X(c), top, X(c), bottom + g_.barExtra);
      if (IsOneOf(b, {kHorizontalUp, kHorizontalDown, kHorizontal, kCross}))
        DrawLine(Xh(c) - d, middle, Xh(c + 1) - d, middle);
      if (IsOneOf(b, {kUpRight, kVerticalRight, kDownRight}))
        DrawLine(Xh(c), middle, Xh(c + 1) - d, middle);
      if (IsOneOf(b, {kVerticalLeft, kDownLeft, kUpLeft}))
        DrawLine(Xh(c) - d, middle, Xh(c), middle);
      if (IsOneOf(b, {kDownLeft, kHorizontalDown, kDownRight}))
        DrawLine(Xh(c), middle, Xh(c), bottom);
      if (IsOneOf(b, {kUpRight, kHorizontalUp, kUpLeft}))
        DrawLine(Xh(c), middle, Xh(c), top);
      if (text_.ByteAt(r, BarPosition(c) + 1) == kHorizontal)
        DrawLine(Xh(c) + d, middle, Xh(c + 1) - d, middle);
    }
  }

  const OrganigramText& text_;
  const OrganigramNames& names_;
  const OrganigramGeometry& g_;
  OrganigramSurface* surface_;
  const OrganigramNameFit* fit_;
};

// The single-column print: names only, every one on the page's middle.
class SingleColumnWalk {
 public:
  SingleColumnWalk(const OrganigramText& text, const OrganigramNames& names, int lineHeight,
                   int centreX, int originY, OrganigramSurface& surface)
      : text_(text), names_(names), lp_(lineHeight), x_(centreX), originY_(originY),
        surface_(surface) {}

  int Run(const std::string& title) {
    int lineCount = 1;
    Text(Y(lineCount), title, OrganigramFont::Title);
    lineCount = kPrintedFirstLine;
    for (int r = 0; r < text_.RowCount(); ++r) {
      std::string_view line = text_.Line(r);
      if (line.empty() || line[0] != '#') continue;
      DrawNameLine(r, lineCount);
      lineCount += kNameLineHeight;
    }
    return lineCount;
  }

 private:
  int Y(double line) const { return static_cast<int>(line * lp_) - originY_; }
  void Text(int y, const std::string& text, OrganigramFont font) {
    if (!text.empty()) surface_.Text(x_, y, text, font);
  }
  void Bar(int y1, int y2) { surface_.Line(x_, y1, x_, y2); }

  void DrawNameLine(int r, int lineCount) {
    int32_t spouse = text_.NumberInCell(r, kSpouseCell);
    if (r == 1 && spouse > 0) {
      Text(Y(lineCount + 2), names_(kFullName, spouse), OrganigramFont::Name);
      Text(Y(lineCount + 1), "et", OrganigramFont::Name);
      Text(Y(lineCount), names_(kFullName, text_.NumberInCell(r, 0)), OrganigramFont::Name);
      Bar(Y(lineCount + 3.2), Y(lineCount + 4));
      return;
    }
    bool lastLine = r == text_.RowCount() - 1;
    for (int c = 0; c < text_.ColumnCount(); ++c) {
      int32_t person = text_.NumberInCell(r, c);
      if (person <= 0) continue;
      int top = lineCount + 2 * (c % 2);
      Text(Y(top), names_(kGivenNames, person), OrganigramFont::Name);
      Text(Y(top + 1), names_(kSurname, person), OrganigramFont::Name);
      if (lastLine) continue;
      if (c % 2 == 0) Bar(Y(lineCount + 2.2), Y(lineCount + 4));
      else Bar(Y(lineCount), Y(lineCount + 2));
    }
  }

  const OrganigramText& text_;
  const OrganigramNames& names_;
  int lp_;
  int x_;
  int originY_;
  OrganigramSurface& surface_;
};

}  // namespace

OrganigramGeometry ScreenGeometry(const OrganigramText& text, int hp, int vp) {
  OrganigramGeometry geometry;
  geometry.leftMargin = text.LeftMargin();
  geometry.shift = text.Shift();
  geometry.titleX = text.Centre();
  geometry.originX = hp;
  geometry.originY = vp;
  return geometry;
}

bool IsPersonsLine(const OrganigramText& text, int r) {
  const std::string_view line = text.Line(r);
  if (line.empty() || line[0] != '#') return false;
  return !(r == 1 && text.NumberInCell(r, kSpouseCell) > 0);
}

int OrganigramNameRoom(const OrganigramText& text, const OrganigramGeometry& geometry) {
  if (text.SingleLine()) return INT_MAX;
  return 2 * (geometry.columnWidth - geometry.junctionGap);
}

int PaintOrganigram(const OrganigramText& text, const std::string& title,
                   const OrganigramNames& names, const OrganigramGeometry& geometry,
                   OrganigramSurface& surface, const OrganigramNameFit* fit) {
  if (text.Empty()) return 0;
  return OrganigramWalk(text, names, geometry, &surface, fit).Run(title);
}

int OrganigramLineCount(const OrganigramText& text, int firstLine, const OrganigramNameFit* fit) {
  if (text.Empty()) return 0;
  OrganigramNames none = [](int, int32_t) { return std::string(); };
  OrganigramGeometry geometry = ScreenGeometry(text, 0, 0);
  geometry.firstLine = firstLine;
  return OrganigramWalk(text, none, geometry, nullptr, fit).Run(std::string());
}

int PaintSingleColumnOrganigram(const OrganigramText& text, const std::string& title,
                               const OrganigramNames& names, int lineHeight, int centreX,
                               int originY, OrganigramSurface& surface) {
  if (text.Empty()) return 0;
  return SingleColumnWalk(text, names, lineHeight, centreX, originY, surface).Run(title);
}

}  // namespace quenor
