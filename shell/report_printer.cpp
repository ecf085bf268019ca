#include "shell/report_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/cp1252.h"
#include "shell/line_index.h"

namespace quenor {

namespace {

constexpr double kScreenPixelsPerInch = 96.0;

QFont PrintFont(int fontHeight) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(fontHeight * 72.0 / kScreenPixelsPerInch);
  return font;
}

QString LineText(std::string_view text, const LineIndex& lines, int64_t line) {
  const std::string_view bytes =
      text.substr(static_cast<std::size_t>(lines.LineStart(line)), static_cast<std::size_t>(lines.LineLength(line)));
  return QString::fromStdString(Utf8FromCp1252(bytes));
}

}  // namespace

int PrintReportText(QPrinter& printer, std::string_view text, int fontHeight) {
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  const QFont font = PrintFont(fontHeight);
  painter.setFont(font);
  const QFontMetricsF metrics(painter.font(), &printer);
  const double lineHeight = metrics.lineSpacing();
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int linesPerPage = std::max(1, static_cast<int>((page.height()) / lineHeight));
  const LineIndex lines(text);
  int pages = 1;
  int row = 0;
  for (int64_t line = 0; line < lines.LineCount(); ++line) {
    if (row == linesPerPage) {
      printer.newPage();
      ++pages;
      row = 0;
    }
    painter.drawText(QPointF(0, row * lineHeight + metrics.ascent()), LineText(text, lines, line));
    ++row;
  }
  painter.end();
  return pages;
}

}  // namespace quenor
