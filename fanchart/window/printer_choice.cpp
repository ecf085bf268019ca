#include "fanchart/window/printer_choice.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace quenor {
namespace {

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Configuration de l'imprimante"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PrinterChoice::PrinterChoice(const QString& folder)
    : printer_(QPrinter::HighResolution), setupDialog_(RunPrintDialog) {
  chosenFile_ = QDir(folder).filePath(QStringLiteral("Quenor.pdf"));
  if (QPrinterInfo::availablePrinters().isEmpty() || printer_.printerName().isEmpty()) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(chosenFile_);
  }
}

PrinterMetrics PrinterChoice::Metrics() const {
  PrinterMetrics metrics;
  metrics.dpiX = printer_.logicalDpiX();
  metrics.dpiY = printer_.logicalDpiY();
  metrics.printableWidth = printer_.width();
  metrics.printableHeight = printer_.height();
  return metrics;
}

bool PrinterChoice::RunSetup(QWidget* parent) {
  if (PrintsToFile()) printer_.setOutputFileName(chosenFile_);
  bool accepted = setupDialog_(printer_, parent);
  if (PrintsToFile() && !printer_.outputFileName().isEmpty()) chosenFile_ = printer_.outputFileName();
  return accepted;
}

void PrinterChoice::NameNextJob(const QString& suffix) {
  if (!PrintsToFile()) return;
  if (suffix.isEmpty()) {
    printer_.setOutputFileName(chosenFile_);
    return;
  }
  QFileInfo chosen(chosenFile_);
  QString name = chosen.completeBaseName() + QLatin1Char('-') + suffix + QStringLiteral(".pdf");
  printer_.setOutputFileName(chosen.dir().filePath(name));
}

}  // namespace quenor
