#pragma once
// The report viewer: a read-only, fixed-pitch, unwrapped view over the bytes
// of a report file (Windows-1252), painting only the visible lines, so that a
// list of a million persons shows at once and scrolls smoothly. Positions
// (caret, selection) are byte offsets in the text, as the person choice reads them.
#include <QAbstractScrollArea>
#include <QFont>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/line_index.h"

class QScrollBar;

namespace quenor {

class ReportViewer : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ReportViewer(QWidget* parent = nullptr);

  // Takes `text` as the viewer's content; the caret goes to 0.
  void SetText(std::string text);
  void Clear() { SetText(std::string()); }
  std::string_view Text() const { return text_; }
  const LineIndex& Lines() const { return lines_; }
  // The first `count` lines of the text, line ends included.
  std::string FirstLines(int count) const;

  // The height of a character in pixels; the font follows.
  void SetCharacterHeight(int pixels);
  int CharacterHeight() const { return characterHeight_; }
  int LineHeight() const { return lineHeight_; }
  int CharacterWidth() const { return characterWidth_; }

  int64_t CaretPosition() const { return caret_; }
  void SetCaretPosition(int64_t position, bool scrollIntoView = true);
  // Selects `length` bytes from `start`, puts the caret at `start` and brings the start into view.
  void Select(int64_t start, int64_t length);
  void ClearSelection();
  int64_t SelectionStart() const { return selectionStart_; }
  int64_t SelectionLength() const { return selectionLength_; }
  // The selected text converted to UTF-8.
  QString SelectedText() const;
  void CopySelection() const;

  void ScrollToLine(int64_t line);
  int64_t FirstVisibleLine() const;
  int VisibleLineCount() const;

  // The byte position under a point of the viewport, and the point of a position.
  int64_t PositionAt(QPoint point) const;
  QPoint PointOf(int64_t position) const;

  // The heading pane follows the viewer's horizontal scrolling.
  void FollowHorizontalScroll(const QScrollBar* bar);

 Q_SIGNALS:
  // A mouse button was pressed; the caret has already moved to `position`.
  void Pressed(qint64 position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateFontMetrics();
  void UpdateScrollBars();
  void EnsureVisible(int64_t position);
  void MoveCaret(int64_t position, bool extendSelection);
  int HorizontalOffset() const;
  QString DecodeColumns(int64_t line, int64_t firstColumn, int64_t count) const;
  void PaintLine(QPainter& painter, int64_t line, int y, int64_t firstColumn, int64_t columns) const;

  std::string text_;
  LineIndex lines_;
  QFont font_;
  int characterHeight_ = 12;
  int lineHeight_ = 14;
  int characterWidth_ = 7;
  int ascent_ = 10;
  int64_t caret_ = 0;
  int64_t selectionStart_ = 0;
  int64_t selectionLength_ = 0;
  int64_t anchor_ = 0;
  const QScrollBar* followedBar_ = nullptr;
};

// The whole content of a file, empty when it cannot be read.
std::string ReadReportFile(const std::string& path);

}  // namespace quenor
