#include "shell/rtf_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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
}

}  // namespace
}  // namespace quenor
