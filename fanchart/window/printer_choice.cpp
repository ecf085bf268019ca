#include "fanchart/window/printer_choice.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
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

void PrinterChoice::TakeFileChosenElsewhere() {
  QString current = printer_.outputFileName();
  if (!current.isEmpty() && current != lastJobFile_) chosenFile_ = current;
}

bool PrinterChoice::RunSetup(QWidget* parent) {
  TakeFileChosenElsewhere();
  if (PrintsToFile()) printer_.setOutputFileName(chosenFile_);
  bool accepted = setupDialog_(printer_, parent);
  TakeFileChosenElsewhere();
  return accepted;
}

void PrinterChoice::NameNextJob(const QString& suffix) {
  if (!PrintsToFile()) return;
  TakeFileChosenElsewhere();
  lastJobFile_ = chosenFile_;
  if (!suffix.isEmpty()) {
    QFileInfo chosen(chosenFile_);
    QString name = chosen.completeBaseName() + QLatin1Char('-') + suffix + QStringLiteral(".pdf");
    lastJobFile_ = chosen.dir().filePath(name);
  }
  printer_.setOutputFileName(lastJobFile_);
}

bool BeginPrintJob(QPainter& painter, QPrinter& printer) {
  if (!painter.begin(&printer)) return false;
  painter.setWorldTransform(QTransform());
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.setClipping(false);
  painter.setBackgroundMode(Qt::TransparentMode);
  return true;
}

}  // namespace quenor
