#pragma once
// The printed organigram: the size of the drawing and the pages it needs, as
// the print dialog shows them, and the scaled measures and page origins of
// the print itself.
#include <string>
#include <string_view>

#include "fanchart/printer_parameters.h"
#include "kinship/organigram_painting.h"
#include "kinship/organigram_text.h"

namespace quenor {

struct OrganigramDialogFields {
  std::string_view scaleText;
  bool centimetres = false;
  PrinterParameters parameters;    // the printer's, after their fallbacks
  double pageOverlap = 0.04;
  const OrganigramNameFit* fit = nullptr;  // the names as the window wrapped them
};

struct OrganigramDialogFigures {
  double width = 0.0;   // inches of the drawing at the chosen scale
  double height = 0.0;
  int pagesAcross = 1;
  int pagesDown = 1;
  std::string dimensionsLabel;  // "%6.2f x %6.2f %s"
  std::string pagesLabel;       // "%d de largeur x %d de hauteur"
};

OrganigramDialogFigures ComputeOrganigramDialogFigures(const OrganigramText& text,
                                                       const OrganigramDialogFields& fields);

// The measures of the print, in printer pixels.
struct OrganigramPrintMetrics {
  double kx = 1.0;  // printer pixels per screen pixel
  double ky = 1.0;
  int overlapX = 0;
  int overlapY = 0;
  int lineHeight = 0;   // Lp
  int columnWidth = 0;  // Cp
  int junctionGap = 0;  // d
  int leftMargin = 0;   // Mp
  int titleHeight = 0;  // font heights (negative: character height)
  int nameHeight = 0;
  int pageWidth = 0;    // printable pixels
  int pageHeight = 0;
  int linesPrinted = 0; // Hl, the height of the printed drawing in lines
};

OrganigramPrintMetrics ComputeOrganigramPrintMetrics(const OrganigramText& text, double scale,
                                                     int dpiX, int dpiY, int printableWidth,
                                                     int printableHeight,
                                                     const OrganigramNameFit* fit = nullptr);

// The origin of a page of the several-columns layout, pixels.
int OrganigramPageOriginX(const OrganigramText& text, const OrganigramPrintMetrics& m,
                          double scale, int pagesAcross, int pageColumn);
int OrganigramPageOriginY(const OrganigramPrintMetrics& m, int pagesDown, int pageRow);
// The vertical origin of a page of the single-column layout.
int SingleColumnPageOriginY(const OrganigramText& text, const OrganigramPrintMetrics& m,
                            int pagesDown, int pageRow);

// The geometry of one page of the several-columns layout.
OrganigramGeometry PrintedPageGeometry(const OrganigramText& text, const OrganigramPrintMetrics& m,
                                       double scale, int originX, int originY);

// The assembly guides of a page: the left edge when a page stands to its left,
// the bottom edge when a page row follows; none on the first page.
struct AssemblyGuides {
  bool left = false;
  bool bottom = false;
};
AssemblyGuides GuidesOfOrganigramPage(int pageRow, int pageColumn, int pagesDown);

}  // namespace quenor
