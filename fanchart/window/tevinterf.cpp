#include "fanchart/window/tevinterf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ancestry/ancestry_analysis.h"
#include "fanchart/fan_highlights.h"
#include "platform/cp1252.h"
#include "session/person_choice.h"
#include "session/person_summary.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kSummaryWidth = 300;

QString Html(const std::string& cp1252) { return QString::fromStdString(Utf8FromCp1252(cp1252)).toHtmlEscaped(); }

QString Field(const QString& caption, const QString& value) {
  return QStringLiteral("<b>%1</b> %2<br>").arg(caption, value);
}

int GenerationOfNumber(int32_t n) {
  int g = 0;
  for (; n > 0; n >>= 1) ++g;
  return g;
}

}  // namespace

TEvInterF::TEvInterF(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
  setObjectName(QStringLiteral("EvInterF"));
  setWindowTitle(QStringLiteral("Éventail interactif"));
  GenSpinEI = new QSpinBox(this);
  GenSpinEI->setRange(4, 12);
  CouleursCBEI = new QComboBox(this);
  CouleursCBEI->addItems({QStringLiteral("aucune"), QStringLiteral("par génération"), QStringLiteral("par lignée")});
  RepetesCBEI = new QCheckBox(QStringLiteral("Ascendants répétés"), this);
  AjusterBtnEI = new QPushButton(QStringLiteral("Ajuster à la fenêtre"), this);
  auto* tools = new QHBoxLayout;
  tools->addWidget(new QLabel(QStringLiteral("Générations :"), this));
  tools->addWidget(GenSpinEI);
  tools->addSpacing(12);
  tools->addWidget(new QLabel(QStringLiteral("Couleurs :"), this));
  tools->addWidget(CouleursCBEI);
  tools->addSpacing(12);
  tools->addWidget(RepetesCBEI);
  tools->addStretch();
  tools->addWidget(AjusterBtnEI);

  explorer_ = new FanExplorer(this);
  InfoLblEI = new QLabel(this);
  InfoLblEI->setObjectName(QStringLiteral("InfoLblEI"));
  InfoLblEI->setFixedWidth(kSummaryWidth);
  InfoLblEI->setWordWrap(true);
  InfoLblEI->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  InfoLblEI->setTextFormat(Qt::RichText);
  InfoLblEI->setMargin(8);
  auto* middle = new QHBoxLayout;
  middle->addWidget(explorer_, 1);
  middle->addWidget(InfoLblEI);
  auto* hint = new QLabel(QStringLiteral("Molette ou pincement : zoom  —  glisser : déplacer  —  "
                                         "double clic sur un ancêtre : en faire le probant"),
                          this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addLayout(middle, 1);
  layout->addWidget(hint);

  connect(GenSpinEI, &QSpinBox::valueChanged, this, [this] { Load(); });
  connect(CouleursCBEI, &QComboBox::currentIndexChanged, this,
          [this](int index) { explorer_->SetColouring(static_cast<FanColouring>(index)); });
  connect(RepetesCBEI, &QCheckBox::toggled, explorer_, &FanExplorer::SetRepeatedShown);
  connect(AjusterBtnEI, &QPushButton::clicked, explorer_, &FanExplorer::FitToWindow);
  connect(explorer_, &FanExplorer::Hovered, this, &TEvInterF::ShowSummary);
  connect(explorer_, &FanExplorer::Chosen, this, &TEvInterF::Recentre);
  resize(1200, 760);
}

int TEvInterF::DefaultGenerations() const {
  return std::clamp(session_.ancestryFigures.LastGeneration(), 4, 12);
}

void TEvInterF::ShowFan() {
  {
    const QSignalBlocker blocker(GenSpinEI);
    GenSpinEI->setValue(DefaultGenerations());
  }
  show();
  raise();
  activateWindow();
  Load();
  explorer_->setFocus(Qt::OtherFocusReason);
}

void TEvInterF::Refresh() {
  if (isVisible()) Load();
}

void TEvInterF::Load() {
  const int generations = GenSpinEI->value();
  const std::string probantLine = "Ancêtres de "_ansi + session_.probantName;
  explorer_->SetChart(FanViewLayout(generations, probantLine), LoadFanViewContent(session_, generations));
  setWindowTitle(QStringLiteral("Éventail interactif — ") + QString::fromStdString(Utf8FromCp1252(session_.probantName)));
  ShowSummary(0);
}

void TEvInterF::ShowSummary(int32_t number) {
  const int32_t person = explorer_->PersonAt(number);
  if (person == 0) {
    InfoLblEI->setText(number >= 2 ? QStringLiteral("<b>Sosa n° %1</b> — génération %2<br><br>Ancêtre inconnu.")
                                         .arg(number)
                                         .arg(GenerationOfNumber(number))
                                   : QStringLiteral("Placez le pointeur sur une case de l'éventail."));
    return;
  }
  const PersonSummary summary = SummarizePerson(session_.index, person);
  QString text = QStringLiteral("<b>Sosa n° %1</b> — génération %2<br><br>").arg(number).arg(GenerationOfNumber(number));
  text += Field(QStringLiteral("Nom:"), Html(summary.name));
  text += Field(QStringLiteral("Naissance:"), Html(summary.birth));
  text += Field(QStringLiteral("Décès:"), Html(summary.death));
  text += Field(QStringLiteral("Parents:"), Html(summary.parents));
  text += Field(QStringLiteral("Conjoint(s):"), Html(summary.spouses));
  text += QStringLiteral("<b>Enfant(s):</b><br>");
  for (const std::string& child : summary.children) text += QStringLiteral("&nbsp;&nbsp;") + Html(child) + "<br>";
  const int places = PlacesOf(explorer_->content().occupants, explorer_->generations(), person);
  if (places > 1) text += QStringLiteral("<br><i>Présent %1 fois dans cet éventail.</i>").arg(places);
  text += QStringLiteral("<br><br><i>Double-cliquez pour en faire le probant.</i>");
  InfoLblEI->setText(text);
}

void TEvInterF::Recentre(int32_t number) {
  const int32_t person = explorer_->PersonAt(number);
  if (person == 0) return;
  session_.selectionMode = 1;
  session_.chosenLine = ListLineOf(session_.index, person);
  const AncestryOutcome outcome = AnalyseAncestry(session_);
  session_.selectionMode = 0;
  if (outcome != AncestryOutcome::Analysed) return;
  Load();
  if (analysed) analysed();
}

}  // namespace quenor
