#pragma once
// The printer's resolution and printable page, read when a parameter dialog
// is activated, after the printer set-up and when printing is chosen again.
namespace quenor {

class UserInterface;

// What the printer reports: logical pixels per inch and the printable area.
struct PrinterMetrics {
  int dpiX = 0;
  int dpiY = 0;
  int printableWidth = 0;   // pixels
  int printableHeight = 0;  // pixels
};

struct PrinterParameters {
  int dpiX = 0;
  int dpiY = 0;
  double pageWidth = 0.0;   // printable width, inches
  double pageHeight = 0.0;  // printable height, inches
};

// The resolutions of the printer, or, when either is unknown, those of a page
// of 8 by 10 inches after telling the user "Incapable d'obtenir les
// paramètres de l'imprimante". A printer without any printable area still
// gives a usable page of 8 by 10 inches.
PrinterParameters ReadPrinterParameters(const PrinterMetrics& metrics, UserInterface& ui);

}  // namespace quenor
