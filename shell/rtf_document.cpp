#include "shell/rtf_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace quenor {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // 1440 twips an inch, 96 pixels an inch

Qt::Alignment AlignmentOf(RtfAlignment alignment) {
  switch (alignment) {
    case RtfAlignment::Centre: return Qt::AlignHCenter;
    case RtfAlignment::Right: return Qt::AlignRight;
    case RtfAlignment::Justified: return Qt::AlignJustify;
    case RtfAlignment::Left: break;
  }
  return Qt::AlignLeft;
}

QTextBlockFormat BlockFormatOf(const RtfParagraph& paragraph) {
  QTextBlockFormat format;
  format.setAlignment(AlignmentOf(paragraph.alignment));
  format.setLeftMargin(paragraph.leftIndent / kTwipsPerPixel);
  format.setTextIndent(paragraph.firstLineIndent / kTwipsPerPixel);
  format.setTopMargin(paragraph.spaceBefore / kTwipsPerPixel);
  format.setBottomMargin(paragraph.spaceAfter / kTwipsPerPixel);
  return format;
}

QTextCharFormat CharFormatOf(const RtfCharacterFormat& rtf) {
  QTextCharFormat format;
  format.setFontWeight(rtf.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(rtf.italic);
  format.setFontUnderline(rtf.underline);
  format.setFontPointSize(rtf.halfPoints / 2.0);
  if (rtf.fixedPitch) {
    format.setFontFamilies({QStringLiteral("Courier New"), QStringLiteral("monospace")});
    format.setFontFixedPitch(true);
  }
  if (rtf.hasColour) format.setForeground(QColor::fromRgb(rtf.colour));
  return format;
}

}  // namespace

void FillTextDocument(QTextDocument& document, const RtfDocument& rtf) {
  document.clear();
  QTextCursor cursor(&document);
  bool first = true;
  for (const RtfParagraph& paragraph : rtf.paragraphs) {
    if (first) {
      cursor.setBlockFormat(BlockFormatOf(paragraph));
      first = false;
    } else {
      cursor.insertBlock(BlockFormatOf(paragraph));
    }
    for (const RtfRun& run : paragraph.runs) {
      QString text = QString::fromStdString(run.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      cursor.insertText(text, CharFormatOf(run.format));
    }
  }
}

}  // namespace quenor
