#pragma once
// A drawing made on the canvas written as a picture: SVG or PNG of a given
// size in pixels, painted on a widget or printed on one page. Files are
// written whole or not at all.
#include <QSize>
#include <QString>
#include <functional>
#include <string>

class QPainter;
class QPrinter;

namespace quenor {

class Canvas;

// Draws on `canvas` for a device of deviceWidth x deviceHeight pixels, the
// mapping included.
using PictureDrawing = std::function<void(Canvas& canvas, int deviceWidth, int deviceHeight)>;

enum class PictureFormat { Svg, Png, Unknown };

// By the file's extension, case ignored: .svg or .png.
PictureFormat PictureFormatOf(const std::string& path);

// Each returns false when the file cannot be written (it is then left as it
// was). A QGuiApplication must exist.
bool WriteSvgPicture(const std::string& path, QSize size, const QString& title, const PictureDrawing& drawing);
bool WritePngPicture(const std::string& path, QSize size, const PictureDrawing& drawing);

// Paints the drawing on white over the painter's device of `size` pixels.
void PaintPicture(QPainter& painter, QSize size, const PictureDrawing& drawing);

// Prints the drawing on one page of `printer`, as large as the page allows;
// false when printing cannot start.
bool PrintPicture(QPrinter& printer, const PictureDrawing& drawing);

}  // namespace quenor
