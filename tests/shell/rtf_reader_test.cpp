#include "shell/rtf_reader.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QTextImageFormat>
#include <fstream>
#include <sstream>

#include "shell/rtf_document.h"

namespace quenor {
namespace {

TEST(RtfReader, ReadsParagraphsAndAccents) {
  const RtfDocument document = ParseRtf(
      "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}}"
      "Le fichier d\\'e9cal\\u233?\\par Deuxi\\'e8me ligne\\par}");
  ASSERT_TRUE(document.valid);
  ASSERT_EQ(document.paragraphs.size(), 2u);
  EXPECT_EQ(document.paragraphs[0].PlainText(), "Le fichier décalé");
  EXPECT_EQ(document.paragraphs[1].PlainText(), "Deuxième ligne");
}

TEST(RtfReader, KeepsBoldItalicSizeAndColourPerRun) {
  const RtfDocument document = ParseRtf(
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}"
      "\\pard\\qc{\\b\\fs32 Titre}\\par\\pard normal {\\i italique} {\\cf1 rouge}\\par}");
  ASSERT_EQ(document.paragraphs.size(), 2u);
  const RtfParagraph& title = document.paragraphs[0];
  EXPECT_EQ(title.alignment, RtfAlignment::Centre);
  ASSERT_EQ(title.runs.size(), 1u);
  EXPECT_TRUE(title.runs[0].format.bold);
  EXPECT_EQ(title.runs[0].format.halfPoints, 32);

  const RtfParagraph& body = document.paragraphs[1];
  EXPECT_EQ(body.alignment, RtfAlignment::Left);
  EXPECT_EQ(body.PlainText(), "normal italique rouge");
  bool italicSeen = false;
  bool redSeen = false;
  for (const RtfRun& run : body.runs) {
    if (run.text == "italique") italicSeen = run.format.italic && !run.format.bold;
    if (run.text == "rouge") redSeen = run.format.hasColour && run.format.colour == 0xFF0000u;
  }
  EXPECT_TRUE(italicSeen);
  EXPECT_TRUE(redSeen);
}

TEST(RtfReader, SkipsDestinationsAndReadsEscapes) {
  const RtfDocument document = ParseRtf(
      "{\\rtf1{\\*\\generator Writer;}{\\info{\\title Guide}}{\\stylesheet{\\s0 Normal;}}"
      "a\\{b\\}c\\\\d\\tab e\\line f\\~g \\emdash  h\\par}");
  ASSERT_EQ(document.paragraphs.size(), 1u);
  EXPECT_EQ(document.paragraphs[0].PlainText(), "a{b}c\\d\te\nf\u00A0g \u2014 h");
}

TEST(RtfReader, AUnicodeCharacterSkipsItsStandIn) {
  const RtfDocument document = ParseRtf("{\\rtf1\\uc1 \\u8364\\'80 et \\u-4064?\\par}");
  ASSERT_EQ(document.paragraphs.size(), 1u);
  EXPECT_EQ(document.paragraphs[0].PlainText(), "€ et \uF020");
}

// A PNG file's first bytes, enough for the reader, which keeps bytes as they are.
constexpr char kPngStart[] = "89504e470d0a1a0a";

TEST(RtfReader, KeepsPicturesWithTheSizeTheyAreShownAt) {
  const RtfDocument document = ParseRtf(
      std::string("{\\rtf1 Avant {\\pict\\pngblip\\picw200\\pich100\\picwgoal3000\\pichgoal1500\\picscalex50 ") +
      kPngStart + "\r\n0a 0B}apr\\'e8s\\par"
      "{\\pict\\jpegblip\\picw40\\pich30 ffd8ffe0}\\par"
      "{\\pict\\wmetafile8\\picw40\\pich30 0102}{\\*\\shppict{\\pict\\pngblip 8950}}\\par}");
  ASSERT_EQ(document.paragraphs.size(), 3u);
  const std::vector<RtfRun>& runs = document.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].text, "Avant ");
  EXPECT_EQ(runs[1].picture.data, std::string("\x89PNG\r\n\x1a\n\n\x0b", 10));
  EXPECT_EQ(runs[1].picture.widthTwips, 1500);  // the goal, at half its width
  EXPECT_EQ(runs[1].picture.heightTwips, 1500);
  EXPECT_EQ(runs[2].text, "après");
  EXPECT_EQ(document.paragraphs[0].PlainText(), "Avant après");
  // Without a goal the pixels give the size; metafiles and pictures in ignored groups are left out.
  ASSERT_EQ(document.paragraphs[1].runs.size(), 1u);
  EXPECT_EQ(document.paragraphs[1].runs[0].picture.data, "\xff\xd8\xff\xe0");
  EXPECT_EQ(document.paragraphs[1].runs[0].picture.widthTwips, 600);
  EXPECT_TRUE(document.paragraphs[2].runs.empty());
}

TEST(RtfReader, RefusesTextThatIsNotRichText) {
  EXPECT_FALSE(ParseRtf("Bonjour").valid);
  EXPECT_TRUE(ParseRtf("Bonjour").paragraphs.empty());
}

TEST(RtfReader, TheUserGuideReadsWholeWithItsAccents) {
  std::ifstream in(QUENOR_GUIDE_FILE, std::ios::binary);
  ASSERT_TRUE(in);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const RtfDocument guide = ParseRtf(bytes.str());
  ASSERT_TRUE(guide.valid);
  EXPECT_GT(guide.paragraphs.size(), 50u);
  const std::string text = guide.PlainText();
  for (const char* expected : {"Ouvrir un fichier GEDCom", "Ascendance d'un probant", "Sélectionner les 2 individus",
                               "Éventail", "Stradonitz", "implexe", "Angles inversés", "LstGED.TXT"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(text.find('\\'), std::string::npos);
  EXPECT_EQ(text.find('{'), std::string::npos);
  for (const char* expected : {"Éventail interactif", "Graphique de complétude", "Couleurs des cases", "par lignée",
                               "--graphique", "--couleurs"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }

  // Its three pictures show in the documentation window, at their size.
  QTextDocument document;
  FillTextDocument(document, guide);
  int pictures = 0;
  for (QTextBlock block = document.begin(); block != document.end(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextImageFormat image = fragment.fragment().charFormat().toImageFormat();
      if (!image.isValid()) continue;
      ++pictures;
      const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(image.name()));
      EXPECT_FALSE(resource.value<QImage>().isNull()) << image.name().toStdString();
      EXPECT_NEAR(image.width(), 560.0, 1.0);
    }
  }
  EXPECT_EQ(pictures, 3);
}

// What the guide tells of the program must be what the program does.
TEST(RtfReader, TheUserGuideQuotesTheProgramFaithfully) {
  std::ifstream in(QUENOR_GUIDE_FILE, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const std::string text = ParseRtf(bytes.str()).PlainText();
  // IBM PC and MS-DOS files are read with code page 850, not 437.
  EXPECT_NE(text.find("IBMPC et MS-DOS (lus avec la page de codes 850"), std::string::npos);
  EXPECT_EQ(text.find("437"), std::string::npos);
  // The status note after a renumbering, word for word.
  EXPECT_NE(text.find("« Notez que la numérotation des individus diffère de celle du fichier initial »"),
            std::string::npos);
}

}  // namespace
}  // namespace quenor
