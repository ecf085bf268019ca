#include "fanchart/printer_parameters.h"

#include "platform/cp1252.h"
#include "platform/user_interface.h"

namespace quenor {
namespace {

constexpr int kFallbackWidthInches = 8;
constexpr int kFallbackHeightInches = 10;
constexpr int kLastResortDpi = 96;

}  // namespace

PrinterParameters ReadPrinterParameters(const PrinterMetrics& metrics, UserInterface& ui) {
  using namespace quenor::literals;
  PrinterParameters parameters;
  parameters.dpiX = metrics.dpiX;
  parameters.dpiY = metrics.dpiY;
  int width = metrics.printableWidth;
  int height = metrics.printableHeight;
  if (parameters.dpiX <= 0 || parameters.dpiY <= 0) {
    ui.ShowMessage("ERREUR"_ansi, "Incapable d'obtenir les paramètres de l'imprimante"_ansi,
                   MessageIcon::Stop);
    parameters.dpiX = width / kFallbackWidthInches;
    parameters.dpiY = height / kFallbackHeightInches;
  }
  if (parameters.dpiX <= 0 || parameters.dpiY <= 0 || width <= 0 || height <= 0) {
    // Nothing usable at all: an 8 by 10 inch page rather than a division by zero.
    parameters.dpiX = kLastResortDpi;
    parameters.dpiY = kLastResortDpi;
    width = kFallbackWidthInches * kLastResortDpi;
    height = kFallbackHeightInches * kLastResortDpi;
  }
  parameters.pageWidth = static_cast<double>(width) / parameters.dpiX;
  parameters.pageHeight = static_cast<double>(height) / parameters.dpiY;
  return parameters;
}

}  // namespace quenor
