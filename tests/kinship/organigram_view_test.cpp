// Reading OrgDesc.TXT back, the drawing walk of the organigram window and
// the computations of its print.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kinship/organigram_painting.h"
#include "kinship/organigram_print_layout.h"
#include "kinship/organigram_text.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

struct Drawn {
  enum Kind { kText, kLine } kind;
  int x1, y1, x2, y2;
  std::string text;
  OrganigramFont font;
  bool operator==(const Drawn& o) const {
    return kind == o.kind && x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 &&
           text == o.text && font == o.font;
  }
};

class RecordingSurface : public OrganigramSurface {
 public:
  void Text(int x, int y, const std::string& text, OrganigramFont font) override {
    items.push_back({Drawn::kText, x, y, 0, 0, text, font});
  }
  void Line(int x1, int y1, int x2, int y2) override {
    items.push_back({Drawn::kLine, x1, y1, x2, y2, "", OrganigramFont::Name});
  }
  int NameWidth(const std::string& text, double factor) override {
    return static_cast<int>(6.0 * factor * static_cast<double>(text.size()));
  }
  void ScaleNames(double) override {}
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Drawn& d : items)
      if (d.kind == Drawn::kText) texts.push_back(d.text);
    return texts;
  }
  std::vector<Drawn> items;
};

std::string Name(int format, int32_t n) {
  static const char* kPrefix[] = {"Full", "List", "Given", "Sur"};
  return std::string(kPrefix[format]) + std::to_string(n);
}

Drawn TextAt(int x, int y, const std::string& text) {
  return {Drawn::kText, x, y, 0, 0, text, OrganigramFont::Name};
}
Drawn LineOf(int x1, int y1, int x2, int y2) {
  return {Drawn::kLine, x1, y1, x2, y2, "", OrganigramFont::Name};
}

std::string Row(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text + "\r\n";
}

// A single line of descent: the ancestor 1 with his spouse 2, his child 3,
// his grandchild 4; two columns of 7 characters and a trailing blank.
std::string SingleLineFile() {
  std::string bar = "      \xB3";
  return Row("*", 15) + Row("#     1#     2", 15) +       //
         Row("*" + bar.substr(1), 15) + Row("#     3#", 15) +  //
         Row("*" + bar.substr(1), 15) + Row("#     4#", 15);
}

TEST(OrganigramText, LayoutValuesOfFiveColumns) {
  OrganigramText text = OrganigramText::FromBytes(Row("*", 36) + Row("#     5", 36), false);
  EXPECT_EQ(text.LineLength(), 38);
  EXPECT_EQ(text.RowCount(), 2);
  EXPECT_EQ(text.ColumnCount(), 5);
  EXPECT_EQ(text.LeftMargin(), 50);
  EXPECT_EQ(text.Centre(), 290);
  EXPECT_EQ(text.Shift(), 0);
  OrganigramGeometry g = ScreenGeometry(text, 0, 0);
  RecordingSurface surface;
  std::string row = "#     1";
  for (int c = 1; c < 5; ++c) row += "#     " + std::to_string(c + 1);
  OrganigramText names = OrganigramText::FromBytes(Row(row, 36) + Row("*", 36), false);
  PaintOrganigram(names, "T", Name, g, surface);
  std::vector<int> givenX;
  for (const Drawn& d : surface.items)
    if (d.kind == Drawn::kText && d.text.rfind("Given", 0) == 0) givenX.push_back(d.x1);
  EXPECT_EQ(givenX, (std::vector<int>{130, 210, 290, 370, 450}));
}

TEST(OrganigramText, LayoutValuesOfTenColumns) {
  OrganigramText text = OrganigramText::FromBytes(Row("*", 71) + Row("#", 71), false);
  EXPECT_EQ(text.LineLength(), 73);
  EXPECT_EQ(text.ColumnCount(), 10);
  EXPECT_EQ(text.LeftMargin(), 40);
  EXPECT_EQ(text.Centre(), 480);  // the horizontal scroll range is twice this
}

TEST(OrganigramText, SingleLineShiftsNamesButNotJunctions) {
  OrganigramText text = OrganigramText::FromBytes(SingleLineFile(), true);
  EXPECT_EQ(text.ColumnCount(), 2);
  EXPECT_EQ(text.Shift(), 40);
  EXPECT_EQ(text.LeftMargin(), 170);
  EXPECT_EQ(text.RowCount(), 6);
}

TEST(OrganigramText, MissingEmptyOrOversizedFilesDrawNothing) {
  testing::ScratchFolder folder;
  EXPECT_TRUE(OrganigramText::Load((folder / "absent.TXT").string(), false).Empty());
  testing::WriteBytes(folder / "empty.TXT", "");
  EXPECT_TRUE(OrganigramText::Load((folder / "empty.TXT").string(), false).Empty());
  testing::WriteBytes(folder / "big.TXT", std::string(100001, '*'));
  EXPECT_TRUE(OrganigramText::Load((folder / "big.TXT").string(), false).Empty());
  testing::WriteBytes(folder / "ok.TXT", SingleLineFile());
  EXPECT_EQ(OrganigramText::Load((folder / "ok.TXT").string(), true).RowCount(), 6);

  RecordingSurface surface;
  OrganigramText empty;
  EXPECT_EQ(PaintOrganigram(empty, "T", Name, ScreenGeometry(empty, 0, 0), surface), 0);
  EXPECT_TRUE(surface.items.empty());
}

TEST(OrganigramText, ReadingStaysInsideRaggedText) {
  // Lines shorter than the first, a last line without its end: every read
  // stays inside the loaded bytes.
  std::string bytes =
      Row("#     1#     2#     3", 22) + "#   \xB3\r\n*\xC4\xC4\r\n#     5#    6";
  OrganigramText text = OrganigramText::FromBytes(bytes, false);
  EXPECT_EQ(text.ColumnCount(), 3);
  EXPECT_EQ(text.ByteAt(1, 200), 0);
  EXPECT_EQ(text.NumberInCell(1, 2), 0);
  RecordingSurface surface;
  PaintOrganigram(text, "T", Name, ScreenGeometry(text, 0, 0), surface);
  EXPECT_FALSE(surface.items.empty());
}

TEST(OrganigramText, EachLineEndsAtItsFirstLineEndOrZeroByte) {
  // Lines of 16 bytes: a full one, one cut by a zero byte, one cut by its
  // early line end, and a tail too short to make a fourth.
  const std::string bytes = std::string("#     1#     2\r\n") + std::string("#  \0  3#     4\r\n", 16) +
                            "*\xC4\xC4\r\n#     9#    10";
  OrganigramText text = OrganigramText::FromBytes(bytes, false);
  ASSERT_EQ(text.RowCount(), 3);
  EXPECT_EQ(text.Line(0), "#     1#     2");
  EXPECT_EQ(text.Line(1), "#  ");
  EXPECT_EQ(text.Line(2), "*\xC4\xC4");
  EXPECT_EQ(text.Line(3), "");
  EXPECT_EQ(text.Line(-1), "");
  EXPECT_EQ(text.ByteAt(0, 13), '2');
  EXPECT_EQ(text.ByteAt(0, 14), 0);
  EXPECT_EQ(text.ByteAt(1, 2), ' ');
  EXPECT_EQ(text.ByteAt(1, 6), 0);  // '3', beyond the zero byte
  EXPECT_EQ(text.NumberInCell(0, 1), 2);
  EXPECT_EQ(text.NumberInCell(1, 1), 0);
  EXPECT_EQ(text.ByteAt(2, 2), 0xC4);
  EXPECT_EQ(text.ByteAt(2, 5), 0);  // '#' of the next line's bytes
}

TEST(OrganigramText, NumberFieldsAreReadInsideTheirCell) {
  OrganigramText text = OrganigramText::FromBytes(Row("#    12#      #123456", 22), false);
  EXPECT_EQ(text.NumberInCell(0, 0), 12);
  EXPECT_EQ(text.NumberInCell(0, 1), 0);
  EXPECT_EQ(text.NumberInCell(0, 2), 123456);
  EXPECT_EQ(text.NumberInCell(0, 3), 0);
}

TEST(OrganigramDrawing, TopCoupleThenTheLineDownToTheDescendant) {
  OrganigramText text = OrganigramText::FromBytes(SingleLineFile(), true);
  RecordingSurface surface;
  int lines = PaintOrganigram(text, "Descente", Name, ScreenGeometry(text, 0, 0), surface);
  EXPECT_EQ(lines, 2 + 3 * 2 + 3 * 4);
  int x = 80 + 40 + 170;  // x(0): shifted
  std::vector<Drawn> expected = {
      {Drawn::kText, 290, 10, 0, 0, "Descente", OrganigramFont::Title},
      // line 0: the ancestor's link row, nothing in it
      TextAt(x, 60, "Full2"), TextAt(x, 50, "et"), TextAt(x, 40, "Full1"),
      LineOf(x, 80, x, 101),  // the drawing line under the couple
      TextAt(x, 100, "Given3"), TextAt(x, 110, "Sur3"), LineOf(x, 120, x, 141),
      LineOf(x, 140, x, 161),
      TextAt(x, 160, "Given4"), TextAt(x, 170, "Sur4"),  // last line: no bar below
  };
  EXPECT_EQ(surface.items, expected);
}

TEST(OrganigramDrawing, OddColumnsStandTwoLinesLowerWithTheirBarAbove) {
  OrganigramText text = OrganigramText::FromBytes(
      Row("#     7#     8", 15) + Row("*", 15), false);
  RecordingSurface surface;
  PaintOrganigram(text, "", Name, ScreenGeometry(text, 0, 0), surface);
  int x0 = 80 + 170, x1 = 160 + 170;
  std::vector<Drawn> expected = {
      TextAt(x0, 20, "Given7"), TextAt(x0, 30, "Sur7"), LineOf(x0, 40, x0, 61),
      TextAt(x1, 40, "Given8"), TextAt(x1, 50, "Sur8"), LineOf(x1, 20, x1, 41),
  };
  EXPECT_EQ(surface.items, expected);
}

TEST(OrganigramDrawing, JunctionPiecesOfADrawingLine) {
  // Column 0: a branch to the right; column 1: a corner going down.
  std::string row = "*     \xC3\xC4\xC4\xC4\xC4\xC4\xC4\xBF";
  OrganigramText text = OrganigramText::FromBytes(Row(row, 15), false);
  RecordingSurface surface;
  PaintOrganigram(text, "", Name, ScreenGeometry(text, 7, 3), surface);
  int xh0 = 80 + 170 - 7, xh1 = 160 + 170 - 7;
  int top = 20 - 3, middle = 30 - 3, bottom = 40 - 3;
  std::vector<Drawn> expected = {
      LineOf(xh0, top, xh0, bottom + 1),          // the vertical of 0xC3
      LineOf(xh0, middle, xh1 - 5, middle),       // its branch to the right
      LineOf(xh0 + 5, middle, xh1 - 5, middle),   // the horizontal after it
      LineOf(xh1 - 5, middle, xh1, middle),       // 0xBF from the left
      LineOf(xh1, middle, xh1, bottom),           // and down
  };
  EXPECT_EQ(surface.items, expected);
}

TEST(OrganigramDrawing, BarThroughAnEmptyCell) {
  OrganigramText text = OrganigramText::FromBytes(Row("#     \xB3#     9", 15), false);
  RecordingSurface surface;
  PaintOrganigram(text, "", Name, ScreenGeometry(text, 0, 0), surface);
  ASSERT_FALSE(surface.items.empty());
  EXPECT_EQ(surface.items[0], LineOf(250, 20, 250, 60));
}

std::string LinesFile(int columns, int nameLines, int drawingLines) {
  std::string bytes;
  std::size_t width = 7 * columns + 1;
  for (int i = 0; i < drawingLines; ++i) bytes += Row("*", width);
  for (int i = 0; i < nameLines; ++i) bytes += Row("#", width);
  return bytes;
}

PrinterParameters LetterPrinter() { return {600, 600, 8.0, 10.5}; }

TEST(OrganigramPrintLayout, TwelveColumnsAndSixtyLines) {
  OrganigramText text = OrganigramText::FromBytes(LinesFile(12, 9, 11), false);
  EXPECT_EQ(OrganigramLineCount(text), 60);
  OrganigramDialogFields fields;
  fields.scaleText = "1.00";
  fields.parameters = LetterPrinter();
  OrganigramDialogFigures f = ComputeOrganigramDialogFigures(text, fields);
  EXPECT_NEAR(f.width, 10.08, 1e-9);
  EXPECT_NEAR(f.height, 6.08, 1e-9);
  EXPECT_EQ(f.pagesAcross, 2);
  EXPECT_EQ(f.pagesDown, 1);
  EXPECT_EQ(f.dimensionsLabel, " 10.08 x   6.08 po.");
  EXPECT_EQ(f.pagesLabel, "2 de largeur x 1 de hauteur");
  fields.centimetres = true;
  EXPECT_EQ(ComputeOrganigramDialogFigures(text, fields).dimensionsLabel, " 25.60 x  15.44 cm.");
}

TEST(OrganigramPrintLayout, NarrowDrawingTakesFiveHundredPixels) {
  OrganigramText text = OrganigramText::FromBytes(LinesFile(3, 2, 2), false);
  OrganigramDialogFields fields;
  fields.scaleText = "2.00";
  fields.parameters = LetterPrinter();
  OrganigramDialogFigures f = ComputeOrganigramDialogFigures(text, fields);
  EXPECT_NEAR(f.width, 500.0 * 2 / 96, 1e-9);
  EXPECT_EQ(f.pagesAcross, 2);
}

TEST(OrganigramPrintLayout, SingleLineIsOneColumnOfPages) {
  OrganigramText text = OrganigramText::FromBytes(LinesFile(2, 40, 40), true);
  OrganigramDialogFields fields;
  fields.scaleText = "2.0";
  fields.parameters = LetterPrinter();
  OrganigramDialogFigures f = ComputeOrganigramDialogFigures(text, fields);
  EXPECT_NEAR(f.height, ((80 - 2) * 1.5 + 6) * 10 / 96 * 2 + 0.08 * 2, 1e-9);
  EXPECT_EQ(f.pagesAcross, 1);
  EXPECT_EQ(f.pagesDown, 3);  // 25.79 inches on pages of 10.46
}

TEST(OrganigramPrintLayout, PrintedMeasuresAndPageOrigins) {
  OrganigramText text = OrganigramText::FromBytes(LinesFile(12, 9, 11), false);
  OrganigramPrintMetrics m = ComputeOrganigramPrintMetrics(text, 1.0, 600, 600, 4800, 6300);
  EXPECT_EQ(m.lineHeight, 62);
  EXPECT_EQ(m.columnWidth, 500);
  EXPECT_EQ(m.junctionGap, 31);
  EXPECT_EQ(m.leftMargin, 250);
  EXPECT_EQ(m.titleHeight, -87);
  EXPECT_EQ(m.nameHeight, -68);
  EXPECT_EQ(m.overlapX, 24);
  EXPECT_EQ(m.linesPrinted, 61);  // names start one line lower on paper
  // Drawing 13 * 500 = 6500 pixels wide on 2 pages of 4776 useful pixels.
  EXPECT_EQ(OrganigramPageOriginX(text, m, 1.0, 2, 0), (6500 - 9552) / 2);
  EXPECT_EQ(OrganigramPageOriginX(text, m, 1.0, 2, 1), 4776 + (6500 - 9552) / 2);
  EXPECT_EQ(OrganigramPageOriginY(m, 1, 0), (61 * 62 - 6276) / 2);
  EXPECT_EQ(SingleColumnPageOriginY(text, m, 2, 1), ((2 * 20 + 2) * 62 - 2 * 6276) / 2 + 6276);
  OrganigramGeometry g = PrintedPageGeometry(text, m, 1.0, 100, 200);
  EXPECT_EQ(g.titleX, static_cast<int>(text.Centre() * 6.25));
  EXPECT_EQ(g.shift, 0);
  EXPECT_EQ(g.barExtra, 0);
  EXPECT_EQ(g.firstLine, 3);
}

TEST(OrganigramPrintLayout, AssemblyGuides) {
  AssemblyGuides first = GuidesOfOrganigramPage(0, 0, 3);
  EXPECT_FALSE(first.left || first.bottom);
  AssemblyGuides right = GuidesOfOrganigramPage(0, 1, 3);
  EXPECT_TRUE(right.left && right.bottom);
  AssemblyGuides below = GuidesOfOrganigramPage(1, 0, 3);
  EXPECT_TRUE(!below.left && below.bottom);
  AssemblyGuides last = GuidesOfOrganigramPage(2, 0, 3);
  EXPECT_TRUE(!last.left && !last.bottom);
}

TEST(OrganigramPrintLayout, SingleColumnDrawsNamesOnTheMiddleOfThePage) {
  OrganigramText text = OrganigramText::FromBytes(SingleLineFile(), true);
  RecordingSurface surface;
  int lines = PaintSingleColumnOrganigram(text, "T", Name, 60, 2400, 0, surface);
  EXPECT_EQ(lines, 3 + 3 * 4);
  std::vector<Drawn> expected = {
      {Drawn::kText, 2400, 60, 0, 0, "T", OrganigramFont::Title},
      TextAt(2400, 300, "Full2"), TextAt(2400, 240, "et"), TextAt(2400, 180, "Full1"),
      LineOf(2400, 372, 2400, 420),
      TextAt(2400, 420, "Given3"), TextAt(2400, 480, "Sur3"), LineOf(2400, 552, 2400, 660),
      TextAt(2400, 660, "Given4"), TextAt(2400, 720, "Sur4"),
  };
  EXPECT_EQ(surface.items, expected);
}

}  // namespace
}  // namespace quenor
