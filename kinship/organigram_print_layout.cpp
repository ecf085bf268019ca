#include "kinship/organigram_print_layout.h"

#include <algorithm>

#include "fanchart/fan_dialog_figures.h"
#include "fanchart/field_clamps.h"

namespace quenor {
namespace {

constexpr int kScreenDpi = 96;
constexpr double kNarrowestDrawing = 500.0;  // screen pixels
constexpr double kCentimetresPerInch = 2.54;
constexpr int kPrintedFirstLine = 3;
constexpr double kTitleFont = -14.0;
constexpr double kNameFont = -11.0;

double DrawingHeight(const OrganigramText& text, double scale, double overlap, const OrganigramNameFit* fit) {
  constexpr int lh = OrganigramText::kLineHeight;
  if (text.SingleLine()) {
    return (((text.RowCount() - 2) * 1.5 + 6) * lh / kScreenDpi + 2 * overlap) * scale;
  }
  int lineCount = OrganigramLineCount(text, 2, fit);
  return (lineCount * lh / kScreenDpi + 2 * overlap) * scale;
}

double DrawingWidth(const OrganigramText& text, double scale, double overlap, double pageWidth) {
  constexpr int cw = OrganigramText::kColumnWidth;
  double width = (cw * (text.ColumnCount() + 1) / kScreenDpi + 2 * overlap) * scale;
  double narrowest = kNarrowestDrawing * scale / kScreenDpi;
  if (narrowest > width) width = narrowest;
  double wholePageWidth = static_cast<int>(pageWidth);
  if (text.SingleLine() && wholePageWidth < width) width = wholePageWidth;
  return width;
}

}  // namespace

OrganigramDialogFigures ComputeOrganigramDialogFigures(const OrganigramText& text,
                                                       const OrganigramDialogFields& fields) {
  OrganigramDialogFigures figures;
  double scale = LeadingNumber(fields.scaleText);
  double overlap = fields.pageOverlap;
  const PrinterParameters& printer = fields.parameters;
  figures.height = DrawingHeight(text, scale, overlap, fields.fit);
  figures.width = DrawingWidth(text, scale, overlap, printer.pageWidth);
  figures.pagesAcross = text.SingleLine() ? 1 : PagesFor(figures.width, printer.pageWidth, overlap);
  figures.pagesDown = PagesFor(figures.height, printer.pageHeight, overlap);
  double factor = fields.centimetres ? kCentimetresPerInch : 1.0;
  figures.dimensionsLabel = FormatFixed(figures.width * factor, 2, 6) + " x " +
                            FormatFixed(figures.height * factor, 2, 6) +
                            (fields.centimetres ? " cm." : " po.");
  figures.pagesLabel = std::to_string(figures.pagesAcross) + " de largeur x " +
                       std::to_string(figures.pagesDown) + " de hauteur";
  return figures;
}

OrganigramPrintMetrics ComputeOrganigramPrintMetrics(const OrganigramText& text, double scale,
                                                     int dpiX, int dpiY, int printableWidth,
                                                     int printableHeight, const OrganigramNameFit* fit) {
  OrganigramPrintMetrics m;
  m.kx = static_cast<double>(dpiX) / kScreenDpi;
  m.ky = static_cast<double>(dpiY) / kScreenDpi;
  m.overlapX = static_cast<int>(0.04 * dpiX);
  m.overlapY = static_cast<int>(0.04 * dpiY);
  m.lineHeight = static_cast<int>(OrganigramText::kLineHeight * m.ky * scale);
  m.columnWidth = static_cast<int>(OrganigramText::kColumnWidth * m.kx * scale);
  m.junctionGap = static_cast<int>(5 * m.kx * scale);
  m.leftMargin = static_cast<int>(text.LeftMargin() * m.kx * scale);
  m.titleHeight = static_cast<int>(kTitleFont * m.kx * scale);
  m.nameHeight = static_cast<int>(kNameFont * m.kx * scale);
  m.pageWidth = printableWidth;
  m.pageHeight = printableHeight;
  m.linesPrinted = OrganigramLineCount(text, kPrintedFirstLine, fit);
  return m;
}

int OrganigramPageOriginX(const OrganigramText& text, const OrganigramPrintMetrics& m,
                          double scale, int pagesAcross, int pageColumn) {
  double drawingWidth = (text.ColumnCount() + 1) * m.columnWidth;
  drawingWidth = std::max(drawingWidth, kNarrowestDrawing * m.kx * scale);
  int step = m.pageWidth - m.overlapX;
  return static_cast<int>(static_cast<double>(step) * pageColumn +
                          (drawingWidth - static_cast<double>(step) * pagesAcross) * 0.5);
}

int OrganigramPageOriginY(const OrganigramPrintMetrics& m, int pagesDown, int pageRow) {
  int step = m.pageHeight - m.overlapY;
  return (m.linesPrinted * m.lineHeight - step * pagesDown) / 2 + step * pageRow;
}

int SingleColumnPageOriginY(const OrganigramText& text, const OrganigramPrintMetrics& m,
                            int pagesDown, int pageRow) {
  int step = m.pageHeight - m.overlapY;
  return ((2 * text.RowCount() + 2) * m.lineHeight - step * pagesDown) / 2 + step * pageRow;
}

OrganigramGeometry PrintedPageGeometry(const OrganigramText& text, const OrganigramPrintMetrics& m,
                                       double scale, int originX, int originY) {
  OrganigramGeometry geometry;
  geometry.lineHeight = m.lineHeight;
  geometry.columnWidth = m.columnWidth;
  geometry.junctionGap = m.junctionGap;
  geometry.leftMargin = m.leftMargin;
  geometry.shift = 0;
  geometry.barExtra = 0;
  geometry.titleX = static_cast<int>(text.Centre() * m.kx * scale);
  geometry.originX = originX;
  geometry.originY = originY;
  geometry.firstLine = kPrintedFirstLine;
  return geometry;
}

AssemblyGuides GuidesOfOrganigramPage(int pageRow, int pageColumn, int pagesDown) {
  AssemblyGuides guides;
  if (pageRow == 0 && pageColumn == 0) return guides;
  guides.left = pageColumn > 0;
  guides.bottom = pageRow < pagesDown - 1;
  return guides;
}

}  // namespace quenor
