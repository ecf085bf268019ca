#include "fanchart/window/fan_chart_run.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "fanchart/fan_page.h"
#include "fanchart/fan_pages.h"
#include "fanchart/fan_persons.h"
#include "fanchart/fan_script.h"
#include "fanchart/window/fan_preview.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/run_input_guard.h"
#include "fanchart/window/tevdataf.h"
#include "fanchart/window/tmssgbox.h"
#include "fanchart/window/tprogresf.h"
#include "platform/cp1252.h"
#include "platform/qt/qpainter_canvas.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace quenor::literals;

constexpr int kStatisticsHeadingLines = 2;
constexpr int kFanConfirmed = 2;
constexpr int kPumpIntervalMs = 25;
const QPoint kProgressPlace(5, 60);

// Looks for the user's click on "Annuler" between lines of work: the events
// waiting are handled, which runs the button's handler.
class EventPumpPoll : public CancelPoll {
 public:
  explicit EventPumpPoll(const FanLayout& layout) : layout_(layout) {}
  bool CancelClicked() override {
    if (!timer_.isValid() || timer_.elapsed() >= kPumpIntervalMs) {
      QCoreApplication::processEvents();
      timer_.restart();
    }
    return !layout_.drawingActive;
  }

 private:
  const FanLayout& layout_;
  QElapsedTimer timer_;
};

std::string PageText(const char* format, int page, int total) {
  char text[128];
  std::snprintf(text, sizeof text, format, page, total);
  return text;
}

QString ChooseScriptFile(QWidget* parent, const QString& proposed) {
  QString scriptFilter = QStringLiteral("Format script AutoCAD (*.scr)");
  return QFileDialog::getSaveFileName(
      parent, QStringLiteral("Nom du fichier à créer"), proposed,
      QStringLiteral("Format texte seulement (*.txt);;") + scriptFilter + QStringLiteral(";;Autres (*.*)"),
      &scriptFilter);
}

}  // namespace

FanChartRun::FanChartRun(Session& session, PrinterChoice& printer, QWidget& mainWindow, QWidget& surface)
    : session_(session), printer_(printer), mainWindow_(mainWindow), surface_(surface) {
  InstallFontSubstitutions();
  EvDataF = new TEvDataF(session, printer, &mainWindow);
  runParametersDialog = [](TEvDataF& dialog) { dialog.exec(); };
  askPrintPage = [](TMssgBox& box) { box.exec(); };
  chooseScriptFile = [this] { return ChooseScriptFile(&mainWindow_, DefaultScriptFile()); };
}

FanChartRun::~FanChartRun() {
  delete ProgresF.data();
}

QString FanChartRun::DefaultScriptFile() {
  return QDir(QString::fromStdString(session_.workingDirectory)).filePath(QStringLiteral("Eventail.scr"));
}

void FanChartRun::AscEventClick() {
  session_.selectionMode = 0;
  LoadReport(session_, kSlotStatistics, kStatisticsHeadingLines);
  PrepareRun();
  EvDataF->Prepare();
  runParametersDialog(*EvDataF);
  bool confirmed = session_.selectionMode == kFanConfirmed;
  session_.selectionMode = 0;
  if (!confirmed) return;
  RunPages();
}

void FanChartRun::PrepareRun() {
  FanLayout& fan = session_.fan;
  fan.pageOverlap = 0.04f;
  fan.ringWidth = 2.5f;
  fan.unitsPerInch = 600;
  if (fan.scale == 0) fan.scale = 1.0f;
  if (fan.generationCount == 0) fan.generationCount = 6;
  if (fan.unitFactor == 0) fan.unitFactor = 1.0;
}

void FanChartRun::RunPages() {
  FanLayout& fan = session_.fan;
  session_.slots[kSlotStatistics].shown = false;
  preview_ = new FanPreview(surface_);
  preview_->show();
  preview_->raise();
  StartFanRun(fan);

  ProgresF = new TProgresF([this] {
    session_.fan.drawingActive = false;
    if (MssgBox) MssgBox->reject();
  });
  ProgresF->move(kProgressPlace);
  ProgresF->show();
  MssgBox = new TMssgBox(printAnswer_, &mainWindow_);
  MssgBox->setWindowModality(Qt::WindowModal);
  MssgBox->move(ProgresF->x(), ProgresF->frameGeometry().bottom() + 5);
  RunInputGuard guard;
  guard.Allow(ProgresF);
  guard.Allow(MssgBox);

  for (int row = 0; row < fan.pagesDown && fan.drawingActive; ++row) {
    for (int column = 0; column < fan.pagesAcross && fan.drawingActive; ++column) {
      PreviewPage(row, column);
      if (fan.drawingActive) {
        if (fan.scriptOption) ExportScript();
        else ConfirmPage();
      }
      fan.paintMode = PaintMode::None;
      if (fan.drawingActive && printAnswer_ == 1) PrintPage(row, column);
    }
  }
  EndRun();
}

void FanChartRun::ShowStep(const std::string& text) {
  session_.Status(text);
  if (ProgresF) ProgresF->SetStep(QString::fromStdString(Utf8FromCp1252(text)));
}

void FanChartRun::PreviewPage(int row, int column) {
  FanLayout& fan = session_.fan;
  int page = PageNumberOf(fan, row, column);
  ShowStep(PageText("Préparation de la page %d de %d en cours..."_ansi.c_str(), page, PageCountOf(fan)));
  QImage image(preview_->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPainterCanvas canvas(painter);
    fan.paintMode = PaintMode::Preview;
    fan.anglesInverted = false;
    MapPreviewPage(canvas, fan, row, column, image.width(), image.height());
    EventPumpPoll poll(fan);
    DrawFanPage(canvas, session_, &poll);
  }
  preview_->ShowPage(image);
  if (pagePreviewed) pagePreviewed(page, image);
}

void FanChartRun::ConfirmPage() {
  if (!MssgBox) return;
  askPrintPage(*MssgBox);
}

void FanChartRun::PrintPage(int row, int column) {
  FanLayout& fan = session_.fan;
  int page = PageNumberOf(fan, row, column);
  ShowStep(PageText("Impression de la page %d de %d en cours..."_ansi.c_str(), page, PageCountOf(fan)));
  printer_.NameNextJob(QStringLiteral("page%1").arg(page));
  QPrinter& printer = printer_.printer();
  QPainter painter;
  if (!BeginPrintJob(painter, printer)) {
    session_.Message("Erreur"_ansi, "Impossible d'imprimer la page sur cette imprimante"_ansi,
                     MessageIcon::Stop);
    fan.drawingActive = false;
    return;
  }
  QPainterCanvas canvas(painter);
  EventPumpPoll poll(fan);
  PrintFanPage(canvas, session_, row, column, printer.width(), printer.height(), &poll);
  painter.end();
  if (printer_.PrintsToFile()) printedFiles_.push_back(printer_.JobFile());
}

void FanChartRun::ExportScript() {
  QString path = chooseScriptFile();
  if (path.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ExportFanScript(session_, path.toStdString());
  QApplication::restoreOverrideCursor();
}

void FanChartRun::EndRun() {
  if (ProgresF) ProgresF->close();
  delete ProgresF.data();
  delete MssgBox.data();
  delete preview_;
  preview_ = nullptr;
  session_.Status(std::string());
}

}  // namespace quenor
