#include "ancestry/window/tgraphf.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "fanchart/window/printer_choice.h"
#include "platform/cp1252.h"
#include "platform/qt/completeness_chart_files.h"
#include "platform/qt/picture_files.h"
#include "platform/qt/qt_user_interface.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr QSize kInitialSize{1000, 680};

PictureDrawing DrawingOf(const CompletenessChartData& data) {
  return [&data](Canvas& canvas, int width, int height) { DrawCompletenessChartOnDevice(canvas, data, width, height); };
}

}  // namespace

CompletenessChartView::CompletenessChartView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 200);
}

void CompletenessChartView::SetChart(const CompletenessChartData& data) {
  data_ = data;
  update();
}

void CompletenessChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPicture(painter, size(), DrawingOf(data_));
}

TGraphF::TGraphF(Session& session, PrinterChoice& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), printer_(printer) {
  setObjectName(QStringLiteral("GraphF"));
  setWindowTitle(QStringLiteral("Graphique de complétude"));
  view_ = new CompletenessChartView(this);
  ImprimerBtnGF = new QPushButton(QStringLiteral("&Imprimer..."), this);
  SvgBtnGF = new QPushButton(QStringLiteral("Enregistrer en &SVG..."), this);
  PngBtnGF = new QPushButton(QStringLiteral("Enregistrer en &PNG..."), this);
  FermerBtnGF = new QPushButton(QStringLiteral("&Fermer"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ImprimerBtnGF);
  buttons->addWidget(SvgBtnGF);
  buttons->addWidget(PngBtnGF);
  buttons->addStretch();
  buttons->addWidget(FermerBtnGF);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  connect(ImprimerBtnGF, &QPushButton::clicked, this, &TGraphF::ImprimerBtnGFClick);
  connect(SvgBtnGF, &QPushButton::clicked, this, &TGraphF::SvgBtnGFClick);
  connect(PngBtnGF, &QPushButton::clicked, this, &TGraphF::PngBtnGFClick);
  connect(FermerBtnGF, &QPushButton::clicked, this, &QWidget::close);
  chooseFile = [this](const QString& title, const QString& filter, const QString& proposed) {
    return QFileDialog::getSaveFileName(this, title, proposed, filter);
  };
  setUpPrinter = [this] { return printer_.RunSetup(this); };
  resize(kInitialSize);
}

void TGraphF::ShowChart() {
  Refresh();
  show();
  raise();
  activateWindow();
}

void TGraphF::Refresh() {
  view_->SetChart(CompletenessChartOf(session_.ancestryFigures, session_.probantName, session_.runDate));
}

QString TGraphF::ProposedName(const QString& extension) const {
  return QDir(QString::fromStdString(session_.workingDirectory)).filePath(QStringLiteral("Completude.") + extension);
}

void TGraphF::Save(const QString& title, const QString& filter, const QString& extension) {
  QString path = chooseFile(title, filter, ProposedName(extension));
  if (path.isEmpty()) return;
  if (PictureFormatOf(path.toStdString()) == PictureFormat::Unknown) path += QLatin1Char('.') + extension;
  if (WriteCompletenessChartFile(view_->chart(), path.toStdString(), kPictureSize) != ChartFileResult::Written) {
    session_.Message("Graphique de complétude"_ansi, "Impossible d'écrire le fichier "_ansi + Cp1252FromQString(path),
                     MessageIcon::Stop);
  }
}

void TGraphF::SvgBtnGFClick() {
  Save(QStringLiteral("Enregistrer le graphique en SVG"), QStringLiteral("Image vectorielle SVG (*.svg)"),
       QStringLiteral("svg"));
}

void TGraphF::PngBtnGFClick() {
  Save(QStringLiteral("Enregistrer le graphique en PNG"), QStringLiteral("Image PNG (*.png)"), QStringLiteral("png"));
}

void TGraphF::ImprimerBtnGFClick() {
  if (!setUpPrinter()) return;
  QPrinter& printer = printer_.printer();
  printer.setPageOrientation(QPageLayout::Landscape);
  printer_.NameNextJob(QStringLiteral("graphique"));
  const bool printed = PrintPicture(printer, DrawingOf(view_->chart()));
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!printed) {
    session_.Message("Erreur"_ansi, "Impossible d'imprimer le graphique sur cette imprimante"_ansi, MessageIcon::Stop);
  }
}

}  // namespace quenor
