#include "fanchart/fan_dialog_figures.h"

#include <cmath>

#include "fanchart/field_clamps.h"
#include "fanchart/page_count.h"

namespace quenor {
namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kTextBandHeight = 1.0;  // under the fan: probant line, legend, statistics
constexpr double kScriptPageMargin = 1.0;
constexpr int kMostPages = 9999;

}  // namespace

int RingCountOf(long generations) {
  long rings = generations - 1;
  if (rings == 11) return 12;
  if (rings < 0) return 0;
  if (rings > 1000) return 1000;
  return static_cast<int>(rings);
}

int PagesFor(double size, double pageSize, double overlap) {
  // A figure for the dialog while its fields are being typed: a page without
  // room shows as one page.
  return PagesToCover(size, pageSize, overlap, kMostPages, 1);
}

FanDialogFigures ComputeFanDialogFigures(const FanDialogFields& fields) {
  FanDialogFigures figures;
  figures.ringCount = RingCountOf(LeadingInteger(fields.generationsText));
  double scale = LeadingNumber(fields.scaleText);
  double factor = fields.centimetres ? kCentimetresPerInch : 1.0;
  int n = figures.ringCount;
  figures.height = (n * fields.ringWidth + kTextBandHeight + 2 * fields.pageOverlap) * scale;
  figures.width = (2 * n * fields.ringWidth + 2 * fields.pageOverlap) * scale;
  figures.pageWidth = fields.pageWidth;
  figures.pageHeight = fields.pageHeight;
  if (fields.script) {
    figures.pageWidth = figures.width + kScriptPageMargin;
    figures.pageHeight = figures.height + kScriptPageMargin;
  }
  figures.pagesAcross = PagesFor(figures.width, figures.pageWidth, fields.pageOverlap);
  figures.pagesDown = PagesFor(figures.height, figures.pageHeight, fields.pageOverlap);
  figures.dimensionsLabel = FormatFixed(figures.width * factor, 2, 6) + " x" +
                            FormatFixed(figures.height * factor, 2, 6) +
                            (fields.centimetres ? " cm." : " po.");
  figures.pagesLabel = std::to_string(figures.pagesAcross) + " de largeur x " +
                       std::to_string(figures.pagesDown) + " de hauteur";
  return figures;
}

}  // namespace quenor
