#include "shell/report_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
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

// A million-person list is about 100 MB; it must show within a second.
TEST(ReportViewer, AHundredMegabyteReportShowsAndScrollsQuickly) {
  std::string text;
  text.reserve(110u << 20);
  const std::string block = NumberedLines(1000);
  while (text.size() < (100u << 20)) text += block;
  testing::ScratchFolder folder;
  testing::WriteBytes(folder / "LstGED.TXT", text);
  text.clear();
  text.shrink_to_fit();
  ReportViewer viewer;
  viewer.resize(1000, 700);
  viewer.show();
  QElapsedTimer timer;
  timer.start();
  viewer.SetText(ReadReportFile((folder / "LstGED.TXT").string()));
  const QPixmap first = viewer.grab();
  const qint64 shown = timer.elapsed();
  ASSERT_FALSE(first.isNull());
  timer.restart();
  for (int step = 0; step < 200; ++step) {
    viewer.verticalScrollBar()->setValue(viewer.verticalScrollBar()->value() + 5000);
    const QPixmap page = viewer.grab();  // paints the visible lines
    ASSERT_FALSE(page.isNull());
  }
  const qint64 scrolled = timer.elapsed();
  RecordProperty("show_ms", static_cast<int>(shown));
  RecordProperty("scroll_200_pages_ms", static_cast<int>(scrolled));
  std::printf("100 MB report: shown in %lld ms, 200 scrolled repaints in %lld ms\n", static_cast<long long>(shown),
              static_cast<long long>(scrolled));
  EXPECT_LT(shown, 1000);
  EXPECT_LT(scrolled, 2000);
}

}  // namespace
}  // namespace quenor
