// Fuzz target: OrgDesc.TXT as the organigram window reads it back, drawn on
// the screen at two scroll positions and on every printed page, with the
// figures of its print dialog. The first byte says whether the organigram
// is a single line and gives the scale of the print; the rest is the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "kinship/organigram_name_fit.h"
#include "kinship/organigram_painting.h"
#include "kinship/organigram_print_layout.h"
#include "kinship/organigram_text.h"

namespace {

using namespace quenor;

constexpr int kPagesDrawn = 64;  // a larger print is measured, not drawn page by page

// A name character is this many pixels wide in the name font at full size.
constexpr int kCharacterWidth = 6;

int NameWidthOf(const std::string& text, double factor) {
  return static_cast<int>(static_cast<double>(text.size()) * kCharacterWidth * factor);
}

// Counts what is drawn.
class CountingSurface : public OrganigramSurface {
 public:
  void Text(int, int, const std::string& text, OrganigramFont) override { characters += text.size(); }
  void Line(int, int, int, int) override { ++lines; }
  int NameWidth(const std::string& text, double factor) override { return NameWidthOf(text, factor * scale); }
  void ScaleNames(double factor) override { scale = factor; }
  std::size_t characters = 0;
  std::size_t lines = 0;
  double scale = 1.0;
};

std::string Name(int format, int32_t person) {
  static const std::string kNames[] = {"Jean-Baptiste de La Fontaine", "", "Jean-Baptiste", "de La Fontaine"};
  return kNames[std::clamp(format, 0, 3)] + (person % 2 == 0 ? "" : " fils");
}

void PaintOnScreen(const OrganigramText& text, const OrganigramNameFit& fit, CountingSurface& surface) {
  const std::string title = "Descente de Jean-Baptiste de La Fontaine sur Marie Dupont";
  for (const auto& [hp, vp] : {std::pair{0, 0}, std::pair{text.Centre(), 30 * text.RowCount() / 2}}) {
    OrganigramGeometry geometry = ScreenGeometry(text, hp, vp);
    geometry.titleX = text.Centre();
    PaintOrganigram(text, title, Name, geometry, surface, &fit);
  }
}

void PaintPrintedPages(const OrganigramText& text, const OrganigramNameFit& fit, double scale,
                       CountingSurface& surface) {
  OrganigramDialogFields fields;
  const std::string scaleText = std::to_string(scale);
  fields.scaleText = scaleText;
  fields.parameters = {600, 600, 8.0, 10.5};
  fields.fit = &fit;
  const OrganigramDialogFigures figures = ComputeOrganigramDialogFigures(text, fields);
  const OrganigramPrintMetrics m = ComputeOrganigramPrintMetrics(text, scale, 600, 600, 4800, 6300, &fit);
  const int across = text.SingleLine() ? 1 : figures.pagesAcross;
  int drawn = 0;
  for (int row = 0; row < figures.pagesDown && drawn < kPagesDrawn; ++row) {
    for (int column = 0; column < across && drawn < kPagesDrawn; ++column, ++drawn) {
      (void)GuidesOfOrganigramPage(row, column, figures.pagesDown);
      if (text.SingleLine()) {
        PaintSingleColumnOrganigram(text, "Descente", Name, m.lineHeight, m.pageWidth / 2,
                                    SingleColumnPageOriginY(text, m, figures.pagesDown, row), surface);
      } else {
        const int originX = OrganigramPageOriginX(text, m, scale, figures.pagesAcross, column);
        const int originY = OrganigramPageOriginY(m, figures.pagesDown, row);
        PaintOrganigram(text, "Descente", Name, PrintedPageGeometry(text, m, scale, originX, originY), surface,
                        &fit);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool singleLine = (data[0] & 1) != 0;
  const double scale = 0.3 + (data[0] >> 1) % 18 * 0.1;
  const OrganigramText text =
      OrganigramText::FromBytes(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), singleLine);
  if (text.Empty()) return 0;
  for (int r = -1; r <= text.RowCount(); ++r) {
    for (int c = -1; c <= text.ColumnCount(); ++c) (void)text.NumberInCell(r, c);
  }
  // The names wrapped to their room, as the window fits them.
  const OrganigramNameFit fit =
      OrganigramNameFit::Make(text, Name, NameWidthOf, OrganigramNameRoom(text, ScreenGeometry(text, 0, 0)));
  CountingSurface surface;
  PaintOnScreen(text, fit, surface);
  (void)OrganigramLineCount(text, 2, &fit);
  PaintPrintedPages(text, fit, scale, surface);
  return 0;
}
