#pragma once
// The printer the fan chart and the organigram print on, shared by their
// dialogs: chosen through Qt's printer dialog, or, on a system without any
// printer, a PDF file of the working directory.
#include <QPrinter>
#include <QString>
#include <functional>

#include "fanchart/printer_parameters.h"

class QPainter;
class QWidget;

namespace quenor {

class PrinterChoice {
 public:
  // `folder` receives the PDF files when no printer is installed.
  explicit PrinterChoice(const QString& folder);

  QPrinter& printer() { return printer_; }
  bool PrintsToFile() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

  // Resolution and printable area of the current printer, device pixels.
  PrinterMetrics Metrics() const;

  // Runs the printer set-up dialog; false when the user cancelled it.
  bool RunSetup(QWidget* parent);
  // Tests replace the modal dialog.
  using SetupDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
  void SetSetupDialog(SetupDialog dialog) { setupDialog_ = std::move(dialog); }

  // Names the output of the next print job. On a printer nothing changes;
  // printing to a file, each job gets a file of its own: the chosen file
  // name with "-<suffix>" before ".pdf", or the chosen name itself when the
  // suffix is empty.
  void NameNextJob(const QString& suffix);
  // The file the last job named, empty on a printer.
  QString JobFile() const { return PrintsToFile() ? printer_.outputFileName() : QString(); }

 private:
  // A file name given to the printer by its dialog or by the program, not
  // one made for a job, becomes the chosen one.
  void TakeFileChosenElsewhere();

  QPrinter printer_;
  QString chosenFile_;   // the PDF file as the user chose it
  QString lastJobFile_;  // the file the last job was named
  SetupDialog setupDialog_;
};

// Begins a print job on `printer` with the painter in its plain state. The
// PDF engine keeps the transformation of the last job's last text when a
// printer is used again, so every state is set afresh. False when the printer
// cannot start the job.
bool BeginPrintJob(QPainter& painter, QPrinter& printer);

}  // namespace quenor
