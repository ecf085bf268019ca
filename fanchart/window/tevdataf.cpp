#include "fanchart/window/tevdataf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "fanchart/field_clamps.h"
#include "fanchart/page_sketch.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/sketch_painter.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

constexpr int kClientWidth = 390;
constexpr int kClientHeight = 498;
constexpr int kSketchHeight = 110;
constexpr int kMostNoteLines = 4;
constexpr double kCentimetresPerInch = 2.54;
constexpr int kSelectionFanConfirmed = 2;

QString FromCp1252(const std::string& text) { return QString::fromStdString(Utf8FromCp1252(text)); }
std::string ToCp1252(const QString& text) { return Cp1252FromUtf8(text.toStdString()); }

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TEvDataF::TEvDataF(Session& session, PrinterChoice& printer, QWidget* parent)
    : QDialog(parent), session_(session), printer_(printer) {
  setWindowTitle(QStringLiteral("Paramètres de l'éventail"));
  Build();
  Connect();
  resize(kClientWidth, kClientHeight);
}

void TEvDataF::Build() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildContent());
  layout->addWidget(BuildDimensions());
  layout->addSpacing(kSketchHeight);
  ApercuLblEF = new QLabel(QStringLiteral("Aperçu de la disposition des pages"), this);
  ApercuLblEF->setAlignment(Qt::AlignHCenter);
  layout->addWidget(ApercuLblEF);
  auto* buttons = new QHBoxLayout;
  OKBtnEF = new QPushButton(QStringLiteral("OK"), this);
  AnnulerBtnEF = new QPushButton(QStringLiteral("Annuler"), this);
  // Enter in a field brings it back into range; it does not close the dialog.
  OKBtnEF->setAutoDefault(false);
  AnnulerBtnEF->setAutoDefault(false);
  buttons->addStretch();
  buttons->addWidget(OKBtnEF);
  buttons->addWidget(AnnulerBtnEF);
  buttons->addStretch();
  layout->addLayout(buttons);
}

QGroupBox* TEvDataF::BuildContent() {
  auto* box = new QGroupBox(QStringLiteral("Contenu"), this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(WrappedLabel(QStringLiteral("Nombre de générations, incluant celle du probant "
                                              "(min. 4,  max. 12) :"), box), 0, 0);
  GenEditEF = new QLineEdit(QStringLiteral("6"), box);
  GenEditEF->setMaxLength(2);
  GenEditEF->setFixedWidth(40);
  grid->addWidget(GenEditEF, 0, 1);
  grid->addWidget(WrappedLabel(QStringLiteral("Commencer la numérotation Stradonitz à  :"), box), 1, 0);
  StradIniEdit = new QLineEdit(QStringLiteral("1"), box);
  StradIniEdit->setFixedWidth(80);
  grid->addWidget(StradIniEdit, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Texte à imprimer à la ligne du probant :"), box), 2, 0, 1, 2);
  TexteEditEF = new QLineEdit(box);
  grid->addWidget(TexteEditEF, 3, 0, 1, 2);
  grid->addWidget(WrappedLabel(QStringLiteral("Note facultative à imprimer en petits caractères, "
                                              "au bas, à droite :"), box), 4, 0, 1, 2);
  NoteFaculMemoEF = new QPlainTextEdit(box);
  NoteFaculMemoEF->setFixedSize(350, 47);
  NoteFaculMemoEF->setLineWrapMode(QPlainTextEdit::NoWrap);
  NoteFaculMemoEF->setTabChangesFocus(true);
  grid->addWidget(NoteFaculMemoEF, 5, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Couleurs des cases :"), box), 6, 0);
  CouleursCBEF = new QComboBox(box);
  CouleursCBEF->addItems({QStringLiteral("aucune"), QStringLiteral("par génération"), QStringLiteral("par lignée")});
  grid->addWidget(CouleursCBEF, 6, 1);
  return box;
}

QGroupBox* TEvDataF::BuildDimensions() {
  DimGBEF = new QGroupBox(QStringLiteral("Dimensionnement"), this);
  auto* grid = new QGridLayout(DimGBEF);
  grid->addWidget(new QLabel(QStringLiteral("Échelle (min. 0.3 ,  max. 2.0): "), DimGBEF), 0, 0);
  EchelleEditEF = new QLineEdit(QStringLiteral("1.00"), DimGBEF);
  EchelleEditEF->setMaxLength(6);
  EchelleEditEF->setFixedWidth(60);
  grid->addWidget(EchelleEditEF, 0, 1);
  auto* units = new QGroupBox(QStringLiteral("Unités"), DimGBEF);
  auto* unitsLayout = new QVBoxLayout(units);
  PoucesEF = new QRadioButton(QStringLiteral("pouces"), units);
  CentimetresEF = new QRadioButton(QStringLiteral("centimètres"), units);
  PoucesEF->setChecked(true);
  unitsLayout->addWidget(PoucesEF);
  unitsLayout->addWidget(CentimetresEF);
  grid->addWidget(units, 0, 2, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("Dimensions du dessin:"), DimGBEF), 1, 0);
  DimInfoLblEF = new QLabel(DimGBEF);
  grid->addWidget(DimInfoLblEF, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Nombre de pages:"), DimGBEF), 2, 0);
  PagesInfoLblEF = new QLabel(DimGBEF);
  grid->addWidget(PagesInfoLblEF, 2, 1);
  ImprimanteBtnEF = new QPushButton(QStringLiteral("Configuration de l'imprimante"), DimGBEF);
  grid->addWidget(ImprimanteBtnEF, 3, 0, 1, 3);
  ScriptCB = new QCheckBox(
      QStringLiteral("Créer un fichier de commandes pour recréer le dessin avec AutoCAD"), DimGBEF);
  grid->addWidget(ScriptCB, 4, 0, 1, 3);
  return DimGBEF;
}

void TEvDataF::Connect() {
  auto recompute = [this] { Recompute(); };
  connect(GenEditEF, &QLineEdit::textEdited, this, recompute);
  connect(StradIniEdit, &QLineEdit::textEdited, this, recompute);
  connect(EchelleEditEF, &QLineEdit::textEdited, this, recompute);
  connect(GenEditEF, &QLineEdit::editingFinished, this, [this] { GenEditEFExit(); });
  connect(StradIniEdit, &QLineEdit::editingFinished, this, [this] { StradIniEditExit(); });
  connect(EchelleEditEF, &QLineEdit::editingFinished, this, [this] { EchelleEditEFExit(); });
  connect(PoucesEF, &QRadioButton::toggled, this, [this] { UnitesRGEFClick(); });
  connect(ImprimanteBtnEF, &QPushButton::clicked, this, [this] { ImprimanteBtnEFClick(); });
  connect(ScriptCB, &QCheckBox::clicked, this, [this] { ScriptCBClick(); });
  connect(OKBtnEF, &QPushButton::clicked, this, [this] { OKBtnEFClick(); });
  connect(AnnulerBtnEF, &QPushButton::clicked, this, [this] { AnnulerBtnEFClick(); });
  NoteFaculMemoEF->installEventFilter(this);
}

void TEvDataF::Prepare() {
  using namespace quenor::literals;
  const FanLayout& fan = session_.fan;
  GenEditEF->setText(QString::number(fan.generationCount));
  EchelleEditEF->setText(QString::fromStdString(FormatFixed(fan.scale, 2, 4)));
  PoucesEF->setChecked(true);
  if (preparedFor_ != session_.probantNumber) TexteEditEF->clear();  // a new probant
  preparedFor_ = session_.probantNumber;
  if (TexteEditEF->text().isEmpty()) {
    TexteEditEF->setText(FromCp1252("Ancêtres de "_ansi + session_.probantName));
  }
}

void TEvDataF::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TEvDataF::FormActivate() {
  ReadPrinter();
  Recompute();
}

void TEvDataF::ReadPrinter() {
  parameters_ = ReadPrinterParameters(printer_.Metrics(), session_.ui);
  session_.fan.printerDpiX = parameters_.dpiX;
  session_.fan.printerDpiY = parameters_.dpiY;
}

void TEvDataF::Recompute() {
  std::string generations = GenEditEF->text().toStdString();
  std::string scale = EchelleEditEF->text().toStdString();
  FanDialogFields fields;
  fields.generationsText = generations;
  fields.scaleText = scale;
  fields.centimetres = CentimetresEF->isChecked();
  fields.script = ScriptCB->isChecked();
  fields.pageWidth = parameters_.pageWidth;
  fields.pageHeight = parameters_.pageHeight;
  fields.ringWidth = session_.fan.ringWidth;
  fields.pageOverlap = session_.fan.pageOverlap;
  figures_ = ComputeFanDialogFigures(fields);
  FanLayout& fan = session_.fan;
  fan.pageWidth = figures_.pageWidth;
  fan.pageHeight = figures_.pageHeight;
  fan.pagesAcross = figures_.pagesAcross;
  fan.pagesDown = figures_.pagesDown;
  DimInfoLblEF->setText(QString::fromStdString(figures_.dimensionsLabel));
  PagesInfoLblEF->setText(QString::fromStdString(figures_.pagesLabel));
  update();
}

void TEvDataF::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  int cx = width() / 2 - 50;
  int cy = (DimGBEF->y() + DimGBEF->height() + ApercuLblEF->y()) / 2;
  PaintPageSketch(painter, SketchPages(cx, cy, figures_.pagesAcross, figures_.pagesDown,
                                       figures_.pageWidth, figures_.pageHeight));
  PaintFanOutline(painter, SketchFanOutline(cx, cy, figures_.width, figures_.height));
}

void TEvDataF::ClampField(QLineEdit* field, std::optional<std::string> (*clamp)(std::string_view)) {
  if (auto clamped = clamp(field->text().toStdString())) field->setText(QString::fromStdString(*clamped));
}

void TEvDataF::GenEditEFExit() {
  ClampField(GenEditEF, ClampGenerationsText);
  Recompute();
}

void TEvDataF::StradIniEditExit() {
  ClampField(StradIniEdit, ClampFirstNumberText);
  Recompute();
}

void TEvDataF::EchelleEditEFExit() {
  ClampField(EchelleEditEF, ClampScaleText);
  Recompute();
}

std::vector<std::string> TEvDataF::NoteLines() const {
  std::vector<std::string> lines;
  for (const QString& line : NoteFaculMemoEF->toPlainText().split(QLatin1Char('\n'))) {
    lines.push_back(ToCp1252(line));
  }
  return lines;
}

void TEvDataF::NoteFaculMemoEFExit() {
  using namespace quenor::literals;
  if (NoteLines().size() <= kMostNoteLines) return;
  session_.Message("Erreur"_ansi, "Le texte ne doit pas comporter plus de 4 lignes"_ansi, MessageIcon::Stop);
  NoteFaculMemoEF->setFocus(Qt::OtherFocusReason);
}

bool TEvDataF::eventFilter(QObject* watched, QEvent* event) {
  if (watched == NoteFaculMemoEF && event->type() == QEvent::FocusOut) {
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Leaving the note for another field, not the window losing the focus.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) NoteFaculMemoEFExit();
  }
  return QDialog::eventFilter(watched, event);
}

void TEvDataF::ImprimanteBtnEFClick() {
  printer_.RunSetup(this);
  ReadPrinter();
  Recompute();
}

void TEvDataF::ScriptCBClick() {
  bool printing = !ScriptCB->isChecked();
  ImprimanteBtnEF->setEnabled(printing);
  if (printing) ReadPrinter();
  Recompute();
}

void TEvDataF::OKBtnEFClick() {
  ClampField(GenEditEF, ClampGenerationsText);
  ClampField(StradIniEdit, ClampFirstNumberText);
  ClampField(EchelleEditEF, ClampScaleText);
  Recompute();
  FanLayout& fan = session_.fan;
  fan.generationCount = static_cast<int>(LeadingInteger(GenEditEF->text().toStdString()));
  long first = LeadingInteger(StradIniEdit->text().toStdString());
  fan.firstStradonitz = static_cast<int>(std::clamp(first, 1L, static_cast<long>(INT_MAX)));
  fan.scale = static_cast<float>(LeadingNumber(EchelleEditEF->text().toStdString()));
  fan.unitFactor = PoucesEF->isChecked() ? 1.0 : kCentimetresPerInch;
  fan.probantLine = ToCp1252(TexteEditEF->text());
  fan.note = NoteLines();
  fan.scriptOption = ScriptCB->isChecked();
  fan.colouring = static_cast<FanColouring>(CouleursCBEF->currentIndex());
  session_.selectionMode = kSelectionFanConfirmed;
  accept();
}

void TEvDataF::AnnulerBtnEFClick() {
  session_.selectionMode = 0;
  reject();
}

}  // namespace quenor
