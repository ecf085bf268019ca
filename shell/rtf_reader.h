#pragma once
// A small reader of rich text (RTF): the part of the format the program's
// documentation uses — paragraphs and their alignment, indents and spacing,
// bold, italic, underline, font sizes, colours, accented characters written
// \'e9 (Windows-1252) or \u233?, tabs and line breaks, and pictures given as
// PNG or JPEG data in hexadecimal (\pict with \pngblip or \jpegblip). Font
// tables, style sheets and the other destinations are skipped. No Qt here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenor {

struct RtfCharacterFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;       // \fsN: the size in half points
  uint32_t colour = 0;       // 0xRRGGBB
  bool hasColour = false;    // false: the default text colour
  bool fixedPitch = false;   // the font is a modern (fixed-pitch) one: \fmodern in the font table

  bool operator==(const RtfCharacterFormat&) const = default;
};

// A picture in the text, as its file's bytes and the size it is shown at.
struct RtfPicture {
  std::string data;      // the bytes of a PNG or JPEG file; empty: no picture
  int widthTwips = 0;    // 1440 twips an inch
  int heightTwips = 0;
};

// A run is text in one format, or a picture (its text then empty).
struct RtfRun {
  std::string text;  // UTF-8; a line break inside a paragraph is "\n"
  RtfCharacterFormat format;
  RtfPicture picture;
};

enum class RtfAlignment { Left, Centre, Right, Justified };

struct RtfParagraph {
  std::vector<RtfRun> runs;
  RtfAlignment alignment = RtfAlignment::Left;
  int leftIndent = 0;       // twips
  int firstLineIndent = 0;  // twips, may be negative
  int spaceBefore = 0;      // twips
  int spaceAfter = 0;       // twips

  std::string PlainText() const;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
  bool valid = false;  // the text started with "{\rtf"

  std::string PlainText() const;  // paragraphs joined by "\n"
};

RtfDocument ParseRtf(std::string_view rtf);

}  // namespace quenor
