#include "platform/qt/completeness_chart_files.h"

#include "ancestry/completeness_chart.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "platform/qt/picture_files.h"

namespace quenor {

ChartFileResult WriteCompletenessChartFile(const CompletenessChartData& data, const std::string& path, QSize size) {
  const PictureDrawing drawing = [&data](Canvas& canvas, int width, int height) {
    DrawCompletenessChartOnDevice(canvas, data, width, height);
  };
  bool written = false;
  switch (PictureFormatOf(path)) {
    case PictureFormat::Svg: {
      using namespace literals;
      const std::string title =
          "Complétude et implexe de l'ascendance "_ansi + DeOrDApostrophe(data.probantName) + data.probantName;
      written = WriteSvgPicture(path, size, QString::fromStdString(Utf8FromCp1252(title)), drawing);
      break;
    }
    case PictureFormat::Png:
      written = WritePngPicture(path, size, drawing);
      break;
    case PictureFormat::Unknown:
      return ChartFileResult::UnknownFormat;
  }
  return written ? ChartFileResult::Written : ChartFileResult::NotWritten;
}

}  // namespace quenor
