#pragma once
// The tiling of the fan chart into printer pages: the size of the drawing,
// the pages it needs, the rectangle each page shows, the logical units, the
// mappings of a printed and of a previewed page and the joining marks.
#include "fanchart/fan_layout.h"
#include "platform/canvas.h"

namespace quenor {

struct FanDrawingSize {
  double width = 0.0;   // inches of paper at the chosen scale
  double height = 0.0;
};

// The drawing: the rings, the band of texts under them and the overlaps.
FanDrawingSize DrawingSizeOf(int generations, double scale, double ringWidth = 2.5, double overlap = 0.04);

// Pages of `pageSize` inches, neighbours overlapping by `overlap`, for `size`.
int PagesNeeded(double size, double pageSize, double overlap);

// Fills pagesAcross and pagesDown from the drawing and the printable page;
// with the script option (or for a single sheet), the page is first made to
// hold the whole drawing.
void TileFanChart(FanLayout& layout, bool wholeDrawingOnOnePage);

// What every run sets before its first page: the ring width and overlap, the
// logical units, the text style, the ring count; drawing becomes active.
// Generations and scale out of range are brought to their nearest limit.
void StartFanRun(FanLayout& layout);

// 300 logical units per drawing unit for pages of 30 inches or more, else 600.
int UnitsPerInchFor(double pageWidth, double pageHeight);

// Pages are numbered row by row from the bottom-left one, from 1.
inline int PageNumberOf(const FanLayout& layout, int row, int column) {
  return row * layout.pagesAcross + column + 1;
}
inline int PageCountOf(const FanLayout& layout) { return layout.pagesAcross * layout.pagesDown; }

// The drawing units the page of `row` (from the bottom) and `column` shows.
FanRect PageRectOf(const FanLayout& layout, int row, int column);

// Logical extent of a page: trunc(K * page size / scale).
CanvasPoint PageExtentOf(const FanLayout& layout);

// Maps a printer page of `printableWidth` by `printableHeight` pixels onto the
// page of `row`, `column`; the clip rectangle is the page itself.
void MapPrintedPage(Canvas& canvas, FanLayout& layout, int row, int column, int printableWidth,
                    int printableHeight);

// Maps the main window's client area onto the page of `row`, `column` for the
// preview: the page centred across, a third of the free height above it; the
// clip rectangle is the visible part.
void MapPreviewPage(Canvas& canvas, FanLayout& layout, int row, int column, int clientWidth, int clientHeight);

// The dashed blue outline of the page, drawn on screen only.
void DrawPageOutline(Canvas& canvas, const FanLayout& layout);

// The dashed marks along the edges that the neighbours to the left and below
// overlap; none on the bottom-left page.
void DrawJoiningMarks(Canvas& canvas, const FanLayout& layout, int row, int column);

}  // namespace quenor
