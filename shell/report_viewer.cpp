#include "shell/report_viewer.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/cp1252.h"

namespace quenor {

namespace {
constexpr int kMargin = 2;

QFont ReportFont(int pixels) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(std::max(pixels, 1));
  return font;
}
}  // namespace

std::string ReadReportFile(const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return {};
  std::string bytes;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    std::rewind(file.get());
    if (size > 0) {
      bytes.resize(static_cast<std::size_t>(size));
      bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    }
  }
  return bytes;
}

ReportViewer::ReportViewer(QWidget* parent) : QAbstractScrollArea(parent), lines_(std::string_view()) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAutoFillBackground(true);
  SetCharacterHeight(12);
}

void ReportViewer::SetText(std::string text) {
  text_ = std::move(text);
  lines_ = LineIndex(text_);
  caret_ = anchor_ = 0;
  selectionStart_ = selectionLength_ = 0;
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

std::string ReportViewer::FirstLines(int count) const {
  if (count <= 0) return {};
  if (count >= lines_.LineCount()) return text_;
  return text_.substr(0, static_cast<std::size_t>(lines_.LineStart(count)));
}

void ReportViewer::SetCharacterHeight(int pixels) {
  characterHeight_ = std::max(pixels, 1);
  UpdateFontMetrics();
  UpdateScrollBars();
  viewport()->update();
}

void ReportViewer::UpdateFontMetrics() {
  font_ = ReportFont(characterHeight_);
  const QFontMetrics metrics(font_);
  characterWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
  lineHeight_ = std::max(characterHeight_, std::min(metrics.lineSpacing(), characterHeight_ * 6 / 5));
  ascent_ = std::min(metrics.ascent(), lineHeight_);
}

void ReportViewer::UpdateScrollBars() {
  const int visibleLines = VisibleLineCount();
  const int64_t lineCount = lines_.LineCount();
  QScrollBar* vertical = verticalScrollBar();
  vertical->setRange(0, static_cast<int>(std::max<int64_t>(0, lineCount - visibleLines)));
  vertical->setPageStep(std::max(1, visibleLines));
  vertical->setSingleStep(1);
  const int visibleColumns = std::max(1, (viewport()->width() - 2 * kMargin) / characterWidth_);
  QScrollBar* horizontal = horizontalScrollBar();
  const int64_t columns = lines_.LongestLine() + 1;
  horizontal->setRange(0, static_cast<int>(std::max<int64_t>(0, columns - visibleColumns) * characterWidth_));
  horizontal->setPageStep(visibleColumns * characterWidth_);
  horizontal->setSingleStep(characterWidth_);
}

int ReportViewer::VisibleLineCount() const { return std::max(1, (viewport()->height() - kMargin) / lineHeight_); }

int64_t ReportViewer::FirstVisibleLine() const { return verticalScrollBar()->value(); }

int ReportViewer::HorizontalOffset() const {
  return followedBar_ != nullptr ? followedBar_->value() : horizontalScrollBar()->value();
}

void ReportViewer::FollowHorizontalScroll(const QScrollBar* bar) {
  followedBar_ = bar;
  connect(bar, &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void ReportViewer::ScrollToLine(int64_t line) { verticalScrollBar()->setValue(static_cast<int>(line)); }

QString ReportViewer::DecodeColumns(int64_t line, int64_t firstColumn, int64_t count) const {
  const int64_t length = lines_.LineLength(line);
  QString decoded;
  if (firstColumn >= length) return decoded;
  const int64_t end = std::min(length, firstColumn + count);
  decoded.reserve(static_cast<qsizetype>(end - firstColumn));
  const char* bytes = text_.data() + lines_.LineStart(line);
  for (int64_t i = firstColumn; i < end; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    decoded += (byte == '\t') ? QChar(u' ') : QChar(static_cast<char16_t>(CodePointOfCp1252(byte)));
  }
  return decoded;
}

void ReportViewer::PaintLine(QPainter& painter, int64_t line, int y, int64_t firstColumn, int64_t columns) const {
  const int x0 = kMargin - static_cast<int>(HorizontalOffset() % characterWidth_);
  const QString visible = DecodeColumns(line, firstColumn, columns);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(x0, y + ascent_, visible);

  const int64_t start = lines_.LineStart(line);
  const int64_t selectionEnd = selectionStart_ + selectionLength_;
  const int64_t from = std::max(selectionStart_, start + firstColumn);
  const int64_t to = std::min(selectionEnd, start + std::min(lines_.LineLength(line), firstColumn + columns));
  if (selectionLength_ > 0 && from < to) {
    const int x = x0 + static_cast<int>(from - start - firstColumn) * characterWidth_;
    const QRect area(x, y, static_cast<int>(to - from) * characterWidth_, lineHeight_);
    painter.fillRect(area, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(x, y + ascent_, visible.mid(static_cast<qsizetype>(from - start - firstColumn),
                                                 static_cast<qsizetype>(to - from)));
  }
}

void ReportViewer::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(font_);
  const int64_t first = FirstVisibleLine();
  const int64_t firstColumn = HorizontalOffset() / characterWidth_;
  const int64_t columns = viewport()->width() / characterWidth_ + 2;
  const int64_t last = std::min(lines_.LineCount(), first + VisibleLineCount() + 1);
  for (int64_t line = first; line < last; ++line) {
    PaintLine(painter, line, kMargin + static_cast<int>(line - first) * lineHeight_, firstColumn, columns);
  }
  if (hasFocus() && selectionLength_ == 0) {
    const QPoint caret = PointOf(caret_);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(caret.x(), caret.y(), caret.x(), caret.y() + lineHeight_ - 1);
  }
}

int64_t ReportViewer::PositionAt(QPoint point) const {
  const int64_t row = std::max(0, point.y() - kMargin) / lineHeight_;
  const int64_t line = std::min(lines_.LineCount() - 1, FirstVisibleLine() + row);
  const int64_t x = std::max(0, point.x() - kMargin) + HorizontalOffset();
  const int64_t column = std::min<int64_t>((x + characterWidth_ / 2) / characterWidth_, lines_.LineLength(line));
  return lines_.LineStart(line) + column;
}

QPoint ReportViewer::PointOf(int64_t position) const {
  const int64_t line = lines_.LineOf(position);
  const int64_t column = position - lines_.LineStart(line);
  return QPoint(kMargin + static_cast<int>(column * characterWidth_) - HorizontalOffset(),
                kMargin + static_cast<int>((line - FirstVisibleLine()) * lineHeight_));
}

void ReportViewer::SetCaretPosition(int64_t position, bool scrollIntoView) {
  caret_ = anchor_ = std::clamp<int64_t>(position, 0, static_cast<int64_t>(text_.size()));
  if (scrollIntoView) EnsureVisible(caret_);
  viewport()->update();
}

void ReportViewer::Select(int64_t start, int64_t length) {
  start = std::clamp<int64_t>(start, 0, static_cast<int64_t>(text_.size()));
  selectionStart_ = start;
  selectionLength_ = std::clamp<int64_t>(length, 0, static_cast<int64_t>(text_.size()) - start);
  caret_ = anchor_ = start;
  EnsureVisible(start);
  viewport()->update();
}

void ReportViewer::ClearSelection() {
  selectionStart_ = caret_;
  selectionLength_ = 0;
  viewport()->update();
}

QString ReportViewer::SelectedText() const {
  const std::string_view bytes =
      std::string_view(text_).substr(static_cast<std::size_t>(selectionStart_), static_cast<std::size_t>(selectionLength_));
  return QString::fromStdString(Utf8FromCp1252(bytes));
}

void ReportViewer::CopySelection() const {
  if (selectionLength_ > 0) QApplication::clipboard()->setText(SelectedText());
}

void ReportViewer::EnsureVisible(int64_t position) {
  const int64_t line = lines_.LineOf(position);
  const int64_t first = FirstVisibleLine();
  const int visible = VisibleLineCount();
  if (line < first) {
    ScrollToLine(line);
  } else if (line >= first + visible) {
    ScrollToLine(line - visible + 1);
  }
  const int64_t x = (position - lines_.LineStart(line)) * characterWidth_;
  QScrollBar* horizontal = horizontalScrollBar();
  const int width = viewport()->width() - 2 * kMargin - characterWidth_;
  if (x < horizontal->value()) {
    horizontal->setValue(static_cast<int>(x));
  } else if (x > horizontal->value() + width) {
    horizontal->setValue(static_cast<int>(x - width));
  }
}

void ReportViewer::MoveCaret(int64_t position, bool extendSelection) {
  position = std::clamp<int64_t>(position, 0, static_cast<int64_t>(text_.size()));
  if (!extendSelection) anchor_ = position;
  caret_ = position;
  selectionStart_ = std::min(anchor_, caret_);
  selectionLength_ = std::max(anchor_, caret_) - selectionStart_;
  EnsureVisible(caret_);
  viewport()->update();
}

void ReportViewer::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const int64_t position = PositionAt(event->position().toPoint());
  const bool extend = (event->modifiers() & Qt::ShiftModifier) && event->button() == Qt::LeftButton;
  MoveCaret(position, extend);
  Q_EMIT Pressed(position);
}

void ReportViewer::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  MoveCaret(PositionAt(event->position().toPoint()), true);
}

void ReportViewer::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) {
    anchor_ = 0;
    MoveCaret(static_cast<int64_t>(text_.size()), true);
    return;
  }
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  const int64_t line = lines_.LineOf(caret_);
  const int64_t column = caret_ - lines_.LineStart(line);
  const auto onLine = [&](int64_t target) {
    target = std::clamp<int64_t>(target, 0, lines_.LineCount() - 1);
    return lines_.LineStart(target) + std::min(column, lines_.LineLength(target));
  };
  switch (event->key()) {
    case Qt::Key_Up: MoveCaret(onLine(line - 1), extend); break;
    case Qt::Key_Down: MoveCaret(onLine(line + 1), extend); break;
    case Qt::Key_PageUp: MoveCaret(onLine(line - VisibleLineCount()), extend); break;
    case Qt::Key_PageDown: MoveCaret(onLine(line + VisibleLineCount()), extend); break;
    case Qt::Key_Left: MoveCaret(caret_ - 1, extend); break;
    case Qt::Key_Right: MoveCaret(caret_ + 1, extend); break;
    case Qt::Key_Home:
      MoveCaret(control ? 0 : lines_.LineStart(line), extend);
      break;
    case Qt::Key_End:
      MoveCaret(control ? static_cast<int64_t>(text_.size()) : lines_.LineStart(line) + lines_.LineLength(line), extend);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

void ReportViewer::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

}  // namespace quenor
