#include "shell/rtf_document.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTextImageFormat>
#include <QUrl>
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

// The picture kept by the document under a name of its own, then put in the text.
void InsertPicture(QTextDocument& document, QTextCursor& cursor, const RtfPicture& picture, int number) {
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(picture.data.data()), static_cast<int>(picture.data.size())))
    return;
  const QUrl name(QStringLiteral("rtfpicture://%1").arg(number));
  document.addResource(QTextDocument::ImageResource, name, image);
  QTextImageFormat format;
  format.setName(name.toString());
  format.setWidth(picture.widthTwips > 0 ? picture.widthTwips / kTwipsPerPixel : image.width());
  format.setHeight(picture.heightTwips > 0 ? picture.heightTwips / kTwipsPerPixel : image.height());
  cursor.insertImage(format);
}

}  // namespace

void FillTextDocument(QTextDocument& document, const RtfDocument& rtf) {
  document.clear();
  QTextCursor cursor(&document);
  bool first = true;
  int pictures = 0;
  for (const RtfParagraph& paragraph : rtf.paragraphs) {
    if (first) {
      cursor.setBlockFormat(BlockFormatOf(paragraph));
      first = false;
    } else {
      cursor.insertBlock(BlockFormatOf(paragraph));
    }
    for (const RtfRun& run : paragraph.runs) {
      if (!run.picture.data.empty()) {
        InsertPicture(document, cursor, run.picture, ++pictures);
        continue;
      }
      QString text = QString::fromStdString(run.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      cursor.insertText(text, CharFormatOf(run.format));
    }
  }
}

}  // namespace quenor
