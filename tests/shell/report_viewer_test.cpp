#include "shell/report_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "tests/support/test_files.h"

namespace quenor {
namespace {

std::string NumberedLines(int count) {
  std::string text;
  char line[128];
  for (int i = 1; i <= count; ++i) {
    std::snprintf(line, sizeof line, "%7d  Personne numéro %-30d 12 fév 1850 Québec\r\n", i, i);
    text += line;
  }
  return text;
}

TEST(ReportViewer, ClicksGiveByteOffsetsAndSelectionsCopyAsUnicode) {
  ReportViewer viewer;
  viewer.resize(600, 300);
  viewer.SetCharacterHeight(12);
  viewer.show();
  viewer.SetText("abc\r\n\xe9t\xe9 \x97 ok\r\n");  // "été — ok" in Windows-1252
  const QPoint second = viewer.PointOf(5 + 2);
  EXPECT_EQ(viewer.PositionAt(second + QPoint(1, 1)), 7);
  qint64 pressed = -1;
  QObject::connect(&viewer, &ReportViewer::Pressed, [&](qint64 position) { pressed = position; });
  QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, second + QPoint(1, 1));
  EXPECT_EQ(pressed, 7);
  EXPECT_EQ(viewer.CaretPosition(), 7);

  viewer.Select(5, 5);
  EXPECT_EQ(viewer.SelectedText(), QString::fromUtf8("été —"));
  viewer.CopySelection();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("été —"));
}

TEST(ReportViewer, AClickPastTheEndOfALineStopsAtItsEnd) {
  ReportViewer viewer;
  viewer.resize(600, 300);
  viewer.show();
  viewer.SetText("ab\r\ncdef\r\n");
  const QPoint end = viewer.PointOf(4) + QPoint(viewer.CharacterWidth() * 20, 1);
  EXPECT_EQ(viewer.PositionAt(end), 8);
}

TEST(ReportViewer, SelectingALineFarDownBringsItIntoView) {
  ReportViewer viewer;
  viewer.resize(600, 300);
  viewer.show();
  viewer.SetText(NumberedLines(5000));
  const int64_t start = viewer.Lines().LineStart(4000);
  viewer.Select(start, 49);
  const int64_t first = viewer.FirstVisibleLine();
  EXPECT_LE(first, 4000);
  EXPECT_GT(first + viewer.VisibleLineCount(), 4000);
  EXPECT_EQ(viewer.SelectionStart(), start);
  EXPECT_EQ(viewer.SelectionLength(), 49);
}

TEST(ReportViewer, KeysMoveTheCaretAndScroll) {
  ReportViewer viewer;
  viewer.resize(600, 300);
  viewer.show();
  viewer.SetText(NumberedLines(1000));
  viewer.setFocus();
  QTest::keyClick(&viewer, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(viewer.CaretPosition(), static_cast<int64_t>(viewer.Text().size()));
  EXPECT_GT(viewer.FirstVisibleLine(), 900);
  QTest::keyClick(&viewer, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(viewer.FirstVisibleLine(), 0);
  QTest::keyClick(&viewer, Qt::Key_Down);
  EXPECT_EQ(viewer.CaretPosition(), viewer.Lines().LineStart(1));
  QTest::keyClick(&viewer, Qt::Key_PageDown);
  EXPECT_EQ(viewer.Lines().LineOf(viewer.CaretPosition()), 1 + viewer.VisibleLineCount());
}

// A million-person list is about 100 MB: it shows from its first line,
// scrolls to its last one and paints the lines it shows. (How quickly is
// measured by the report viewer benchmark.)
TEST(ReportViewer, AHundredMegabyteReportShowsAndScrollsToItsEnd) {
  const std::string block = NumberedLines(1000);
  const std::size_t blocks = (100u << 20) / block.size() + 1;
  testing::ScratchFolder folder;
  {
    std::string text;
    text.reserve(blocks * block.size());
    for (std::size_t i = 0; i < blocks; ++i) text += block;
    testing::WriteBytes(folder / "LstGED.TXT", text);
  }
  ReportViewer viewer;
  viewer.resize(1000, 700);
  viewer.show();
  viewer.SetText(ReadReportFile((folder / "LstGED.TXT").string()));
  ASSERT_EQ(viewer.Text().size(), blocks * block.size());
  const int64_t lastLine = static_cast<int64_t>(blocks) * 1000 - 1;
  EXPECT_EQ(viewer.Lines().LineOf(static_cast<int64_t>(viewer.Text().size()) - 1), lastLine);
  const QImage first = viewer.viewport()->grab().toImage();
  EXPECT_EQ(viewer.FirstVisibleLine(), 0);

  // Page after page, then to the end with the scroll bar.
  QScrollBar& bar = *viewer.verticalScrollBar();
  for (int step = 0; step < 50; ++step) bar.setValue(bar.value() + 5000);
  const int64_t middle = viewer.FirstVisibleLine();
  EXPECT_GT(middle, 50 * 4000);
  bar.setValue(bar.maximum());
  const int64_t top = viewer.FirstVisibleLine();
  EXPECT_LE(top, lastLine);
  EXPECT_GT(top + viewer.VisibleLineCount(), lastLine);
  // The last line is the one the file ends with: number 1000 of its block.
  const int64_t start = viewer.Lines().LineStart(lastLine);
  EXPECT_EQ(std::string(viewer.Text().substr(start, 9)), "   1000  ");
  const QImage last = viewer.viewport()->grab().toImage();
  EXPECT_NE(last, first);
  // Back at the top the first page is painted again as it was.
  bar.setValue(0);
  EXPECT_EQ(viewer.viewport()->grab().toImage(), first);
}

}  // namespace
}  // namespace quenor
