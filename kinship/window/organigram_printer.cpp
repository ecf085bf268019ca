#include "kinship/window/organigram_printer.h"

#include <QPainter>
#include <QPen>
#include <QPrinter>

#include "fanchart/window/printer_choice.h"
#include "kinship/organigram_print_layout.h"
#include "kinship/window/qpainter_organigram_surface.h"
#include "platform/qt/dash_pattern.h"

namespace quenor {
namespace {

const QString kPrintFace = QStringLiteral("Times New Roman");
constexpr int kGuideInset = 2;

void DrawAssemblyGuides(QPainter& painter, const AssemblyGuides& guides, int pw, int ph) {
  if (!guides.left && !guides.bottom) return;
  QPen dashed(Qt::black, 0, Qt::DashLine);
  dashed.setDashPattern(DashPatternFor(painter.device(), false, 1.0));
  QPen previous = painter.pen();
  painter.setPen(dashed);
  if (guides.left) painter.drawLine(kGuideInset, kGuideInset, kGuideInset, ph - kGuideInset);
  if (guides.bottom) {
    painter.drawLine(kGuideInset, ph - kGuideInset, pw - kGuideInset, ph - kGuideInset);
  }
  painter.setPen(previous);
}

// The title shrunk to nine tenths of the page width when it is wider.
void FitSingleColumnTitle(QPainterOrganigramSurface& surface, const std::string& title,
                          int titleHeight, int pageWidth) {
  int width = surface.TitleWidth(title);
  if (width <= 0.9 * pageWidth) return;
  int height = static_cast<int>(titleHeight * pageWidth * 0.9 / width);
  surface.SetTitleFont(OrganigramFontOf(kPrintFace, height));
}

void PrintPage(QPainter& painter, const OrganigramPrintJob& job, const OrganigramPrintMetrics& m,
               int pageRow, int pageColumn) {
  const OrganigramText& text = *job.text;
  QPainterOrganigramSurface surface(painter, OrganigramFontOf(kPrintFace, m.titleHeight),
                                    OrganigramFontOf(kPrintFace, m.nameHeight));
  if (text.SingleLine()) {
    FitSingleColumnTitle(surface, job.title, m.titleHeight, m.pageWidth);
    int originY = SingleColumnPageOriginY(text, m, job.pagesDown, pageRow);
    PaintSingleColumnOrganigram(text, job.title, job.names, m.lineHeight, m.pageWidth / 2, originY,
                                surface);
  } else {
    int originX = OrganigramPageOriginX(text, m, job.scale, job.pagesAcross, pageColumn);
    int originY = OrganigramPageOriginY(m, job.pagesDown, pageRow);
    PaintOrganigram(text, job.title, job.names,
                    PrintedPageGeometry(text, m, job.scale, originX, originY), surface, job.fit);
  }
  DrawAssemblyGuides(painter, GuidesOfOrganigramPage(pageRow, pageColumn, job.pagesDown),
                     m.pageWidth, m.pageHeight);
}

}  // namespace

bool PrintOrganigram(QPrinter& printer, const OrganigramPrintJob& job) {
  if (!job.text || job.text->Empty()) return false;
  QPainter painter;
  if (!BeginPrintJob(painter, printer)) return false;
  OrganigramPrintMetrics m = ComputeOrganigramPrintMetrics(
      *job.text, job.scale, job.dpiX, job.dpiY, printer.width(), printer.height(), job.fit);
  int across = job.text->SingleLine() ? 1 : job.pagesAcross;
  bool first = true;
  for (int pageRow = 0; pageRow < job.pagesDown; ++pageRow) {
    for (int pageColumn = 0; pageColumn < across; ++pageColumn) {
      if (!first) printer.newPage();
      first = false;
      PrintPage(painter, job, m, pageRow, pageColumn);
    }
  }
  return painter.end();
}

}  // namespace quenor
