#include "kinship/window/torgdataf.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "fanchart/field_clamps.h"
#include "fanchart/page_sketch.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/sketch_painter.h"
#include "session/session.h"

namespace quenor {
namespace {

constexpr int kSketchHeight = 160;
constexpr double kCentimetresPerInch = 2.54;

}  // namespace

TOrgDataF::TOrgDataF(Session& session, PrinterChoice& printer, QWidget* parent)
    : QDialog(parent), session_(session), printer_(printer) {
  setWindowTitle(QStringLiteral("Paramètres de la descente "));
  Build();
}

void TOrgDataF::Build() {
  auto* layout = new QVBoxLayout(this);
  DimGBOF = new QGroupBox(QStringLiteral("Dimensionnement"), this);
  auto* grid = new QGridLayout(DimGBOF);
  grid->addWidget(new QLabel(QStringLiteral("Échelle (min. 0.3 ,  max. 2.0): "), DimGBOF), 0, 0);
  EchelleEditOF = new QLineEdit(DimGBOF);
  EchelleEditOF->setMaxLength(6);
  grid->addWidget(EchelleEditOF, 0, 1);
  auto* units = new QGroupBox(QStringLiteral("Unités"), DimGBOF);
  auto* unitsLayout = new QVBoxLayout(units);
  PoucesOF = new QRadioButton(QStringLiteral("pouces"), units);
  CentimetresOF = new QRadioButton(QStringLiteral("centimètres"), units);
  unitsLayout->addWidget(PoucesOF);
  unitsLayout->addWidget(CentimetresOF);
  PoucesOF->setChecked(true);
  grid->addWidget(units, 0, 2, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("Dimensions du dessin:"), DimGBOF), 1, 0);
  DimInfoLblOF = new QLabel(DimGBOF);
  grid->addWidget(DimInfoLblOF, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Nombre de pages:"), DimGBOF), 2, 0);
  PagesInfoLblOF = new QLabel(DimGBOF);
  grid->addWidget(PagesInfoLblOF, 2, 1);
  ImprimanteBtnOF = new QPushButton(QStringLiteral("Configuration de l'imprimante"), DimGBOF);
  grid->addWidget(ImprimanteBtnOF, 3, 0, 1, 3);
  layout->addWidget(DimGBOF);
  layout->addSpacing(kSketchHeight);
  ApercuLblOF = new QLabel(QStringLiteral("Aperçu de la disposition des pages"), this);
  ApercuLblOF->setAlignment(Qt::AlignHCenter);
  layout->addWidget(ApercuLblOF);
  auto* buttons = new QHBoxLayout;
  OKBtnOF = new QPushButton(QStringLiteral("OK"), this);
  AnnulerBtnOF = new QPushButton(QStringLiteral("Annuler"), this);
  // Enter in the scale field brings it back into range; it does not close the dialog.
  OKBtnOF->setAutoDefault(false);
  AnnulerBtnOF->setAutoDefault(false);
  buttons->addStretch();
  buttons->addWidget(OKBtnOF);
  buttons->addWidget(AnnulerBtnOF);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(EchelleEditOF, &QLineEdit::textEdited, this, [this] { Recompute(); });
  connect(EchelleEditOF, &QLineEdit::editingFinished, this, [this] { EchelleEditOFExit(); });
  connect(PoucesOF, &QRadioButton::toggled, this, [this] { UnitesRGOFClick(); });
  connect(ImprimanteBtnOF, &QPushButton::clicked, this, [this] { ImprimanteBtnOFClick(); });
  connect(OKBtnOF, &QPushButton::clicked, this, [this] { OKBtnOFClick(); });
  connect(AnnulerBtnOF, &QPushButton::clicked, this, [this] { AnnulerBtnOFClick(); });
}

void TOrgDataF::Prepare(const OrganigramText* text, const OrganigramNameFit* fit) {
  text_ = text;
  fit_ = fit;
  FanLayout& fan = session_.fan;
  EchelleEditOF->setText(QString::fromStdString(FormatFixed(fan.scale, 2, 4)));
  (fan.unitFactor == 1.0 ? PoucesOF : CentimetresOF)->setChecked(true);
}

void TOrgDataF::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TOrgDataF::FormActivate() {
  ReadPrinter();
  Recompute();
}

void TOrgDataF::ReadPrinter() {
  PrinterParameters parameters = ReadPrinterParameters(printer_.Metrics(), session_.ui);
  FanLayout& fan = session_.fan;
  fan.printerDpiX = parameters.dpiX;
  fan.printerDpiY = parameters.dpiY;
  fan.pageWidth = parameters.pageWidth;
  fan.pageHeight = parameters.pageHeight;
}

void TOrgDataF::Recompute() {
  static const OrganigramText kNothing;
  FanLayout& fan = session_.fan;
  std::string scale = EchelleEditOF->text().toStdString();
  OrganigramDialogFields fields;
  fields.scaleText = scale;
  fields.centimetres = CentimetresOF->isChecked();
  fields.parameters = {fan.printerDpiX, fan.printerDpiY, fan.pageWidth, fan.pageHeight};
  fields.pageOverlap = fan.pageOverlap;
  fields.fit = fit_;
  figures_ = ComputeOrganigramDialogFigures(text_ ? *text_ : kNothing, fields);
  fan.pagesAcross = figures_.pagesAcross;
  fan.pagesDown = figures_.pagesDown;
  DimInfoLblOF->setText(QString::fromStdString(figures_.dimensionsLabel));
  PagesInfoLblOF->setText(QString::fromStdString(figures_.pagesLabel));
  update();
}

void TOrgDataF::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  int cx = width() / 2 - 50;
  int cy = (DimGBOF->y() + DimGBOF->height() + ApercuLblOF->y()) / 2;
  const FanLayout& fan = session_.fan;
  PaintPageSketch(painter, SketchPages(cx, cy, figures_.pagesAcross, figures_.pagesDown,
                                       fan.pageWidth, fan.pageHeight));
  painter.setPen(QPen(Qt::black, 0));
  PaintSketchLines(painter, SketchOrganigramOutline(cx, cy, figures_.width, figures_.height));
}

void TOrgDataF::EchelleEditOFExit() {
  if (auto clamped = ClampScaleText(EchelleEditOF->text().toStdString())) {
    EchelleEditOF->setText(QString::fromStdString(*clamped));
  }
  Recompute();
}

void TOrgDataF::ImprimanteBtnOFClick() {
  printer_.RunSetup(this);
  ReadPrinter();
  Recompute();
}

void TOrgDataF::OKBtnOFClick() {
  EchelleEditOFExit();
  FanLayout& fan = session_.fan;
  fan.scale = static_cast<float>(LeadingNumber(EchelleEditOF->text().toStdString()));
  fan.unitFactor = CentimetresOF->isChecked() ? kCentimetresPerInch : 1.0;
  session_.selectionMode = 1;
  accept();
}

void TOrgDataF::AnnulerBtnOFClick() {
  session_.selectionMode = 0;
  reject();
}

}  // namespace quenor
