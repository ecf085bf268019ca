#include "shell/tavisf.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QVBoxLayout>

#include "platform/qt/qt_user_interface.h"

namespace quenor {

namespace {

constexpr int kMemoWidth = 350;
constexpr int kMemoHeight = 75;
constexpr int kNumberWidth = 7;

const char* InstructionsOf(int selectionMode) {
  switch (selectionMode) {
    case 1:
      return "Cliquez sur la personne dont vous désirez analyser l'ascendance,\n"
             "ou, tapez son numéro ci-dessous et cliquez sur Chercher.\n"
             "Des rensignements à son sujet s'afficheront ci-dessous,\n"
             "vous aidant à choisir la bonne personne.\n"
             "Une fois celle-ci trouvée, cliquez sur OK.";
    case 3:
      return "Cliquez sur l'une des personnes avec qui vous désirez le lien,\n"
             "ou, tapez son numéro ci-dessous et cliquez sur Chercher.\n"
             "Des rensignements à son sujet s'afficheront ci-dessous,\n"
             "vous aidant à choisir la bonne personne.\n"
             "Une fois celle-ci trouvée, cliquez sur OK.";
    case 4:
      return "Cliquez sur l'autre personne avec qui vous désirez le lien,\n"
             "ou, tapez son numéro ci-dessous et cliquez sur Chercher.\n"
             "Des rensignements à son sujet s'afficheront ci-dessous,\n"
             "vous aidant à choisir la bonne personne.\n"
             "Une fois celle-ci trouvée, cliquez sur OK.";
    default:
      return "";
  }
}

QLabel* ValueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QString FromCp1252(const std::string& text) { return QStringFromCp1252(text); }

}  // namespace

TAvisF::TAvisF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("AvisF"));
  setWindowTitle(QStringLiteral("Sélection d'un probant"));
  setModal(false);
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  BuildControls();
}

void TAvisF::BuildControls() {
  AFMemo = new QTextEdit(this);
  AFMemo->setReadOnly(true);
  AFMemo->setFixedSize(kMemoWidth, kMemoHeight);
  AFMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  AFMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  AFMemo->setFocusPolicy(Qt::NoFocus);
  AFMemo->setStyleSheet(QStringLiteral("QTextEdit { background: #00FFFF; }"));
  AFMemo->setLineWrapMode(QTextEdit::NoWrap);

  NoEdit = new QLineEdit(this);
  NoEdit->setObjectName(QStringLiteral("NoEdit"));
  NoEdit->setMaxLength(kNumberWidth);
  NoEdit->installEventFilter(this);
  ChercherBtn = new QPushButton(QStringLiteral("Chercher"), this);
  ChercherBtn->setAutoDefault(false);

  InfoNomLbl = ValueLabel(this);
  InfoNaissanceLbl = ValueLabel(this);
  InfoDecesLbl = ValueLabel(this);
  InfoParentsLbl = ValueLabel(this);
  InfoConjointLbl = ValueLabel(this);
  // Two names may not fit one line.
  InfoParentsLbl->setWordWrap(true);
  InfoConjointLbl->setWordWrap(true);
  InfoEnfantsLB = new QListWidget(this);
  InfoEnfantsLB->setFrameShape(QFrame::NoFrame);
  InfoEnfantsLB->setFocusPolicy(Qt::NoFocus);
  InfoEnfantsLB->setStyleSheet(QStringLiteral("QListWidget { background: palette(button); }"));

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setAutoDefault(false);
  OKBtn->setEnabled(false);
  AnnulerBtn = new QPushButton(QStringLiteral("Annuler"), this);
  AnnulerBtn->setAutoDefault(false);

  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(new QLabel(QStringLiteral("Numéro de la personne  cherchée:"), this));
  numberRow->addWidget(NoEdit);
  numberRow->addWidget(ChercherBtn);

  auto* grid = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"Nom:", InfoNomLbl},         {"Naissance:", InfoNaissanceLbl}, {"Décès:", InfoDecesLbl},
      {"Parents:", InfoParentsLbl}, {"Conjoint(s):", InfoConjointLbl}, {"Enfant(s):", InfoEnfantsLB},
  };
  int row = 0;
  for (const auto& [caption, value] : rows) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    grid->addWidget(label, row, 0, Qt::AlignTop);
    grid->addWidget(value, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row - 1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(AnnulerBtn);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 8);
  layout->addWidget(AFMemo, 0, Qt::AlignHCenter);
  layout->addLayout(numberRow);
  layout->addLayout(grid, 1);
  layout->addLayout(buttons);

  connect(ChercherBtn, &QPushButton::clicked, this, [this] { Q_EMIT SearchRequested(NoEdit->text()); });
  connect(OKBtn, &QPushButton::clicked, this, &TAvisF::OkClicked);
  connect(AnnulerBtn, &QPushButton::clicked, this, &TAvisF::CancelClicked);
}

void TAvisF::Begin(int selectionMode) {
  AFMemo->setPlainText(QString::fromUtf8(InstructionsOf(selectionMode)));
  QTextCursor cursor(AFMemo->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.mergeBlockFormat(centred);
  AFMemo->setTextCursor(QTextCursor(AFMemo->document()));
  if (selectionMode == 4) {
    ClearDetails();
  } else {
    ClearNumber();
    ShowPersonSummary(PersonSummary());
  }
  EnableOk(false);
}

// The memo keeps its width of 350 pixels unless the font of the system
// needs more for the longest instruction line.
int TAvisF::MemoWidth() const {
  const QFontMetrics metrics(AFMemo->font());
  int widest = 0;
  for (int mode : {1, 3, 4}) {
    for (const QString& line : QString::fromUtf8(InstructionsOf(mode)).split(QLatin1Char('\n'))) {
      widest = std::max(widest, metrics.horizontalAdvance(line));
    }
  }
  return std::max(kMemoWidth, widest + 16);
}

void TAvisF::PlaceBeside(const QWidget& mainWindow) {
  const int memoWidth = MemoWidth();
  AFMemo->setFixedSize(memoWidth, std::max(kMemoHeight, 5 * QFontMetrics(AFMemo->font()).lineSpacing() + 10));
  const int width = memoWidth + 25;
  const int height = static_cast<int>(width * 0.88);
  resize(width, height);
  const QPoint topLeft = mainWindow.mapToGlobal(QPoint(mainWindow.width() - width - 20, 40));
  move(topLeft);
}

void TAvisF::ClearDetails() {
  InfoNaissanceLbl->clear();
  InfoDecesLbl->clear();
  InfoParentsLbl->clear();
  InfoConjointLbl->clear();
  InfoEnfantsLB->clear();
}

void TAvisF::ShowPersonSummary(const PersonSummary& summary) {
  ClearDetails();
  if (summary.number.empty()) return;
  NoEdit->setText(QString::fromStdString(summary.number));
  const std::pair<QLabel*, const std::string*> values[] = {
      {InfoNomLbl, &summary.name},         {InfoNaissanceLbl, &summary.birth}, {InfoDecesLbl, &summary.death},
      {InfoParentsLbl, &summary.parents}, {InfoConjointLbl, &summary.spouses},
  };
  for (const auto& [label, text] : values) {
    label->setText(FromCp1252(*text));
    label->setToolTip(label->text().trimmed());  // the whole text when the label is too narrow
  }
  for (const std::string& child : summary.children) InfoEnfantsLB->addItem(FromCp1252(child));
}

void TAvisF::EnableOk(bool on) { OKBtn->setEnabled(on); }
void TAvisF::ClearNumber() { NoEdit->clear(); }
void TAvisF::FocusNumber() { NoEdit->setFocus(Qt::OtherFocusReason); }
QString TAvisF::Instructions() const { return AFMemo->toPlainText(); }
QString TAvisF::TypedNumber() const { return NoEdit->text(); }

// The number field takes digits only; Enter runs the search.
bool TAvisF::eventFilter(QObject* watched, QEvent* event) {
  if (watched == NoEdit && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Q_EMIT SearchRequested(NoEdit->text());
      return true;
    }
    const QString typed = key->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !(typed.at(0) >= u'0' && typed.at(0) <= u'9')) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAvisF::closeEvent(QCloseEvent* event) {
  event->ignore();
  Q_EMIT CancelClicked();
}

void TAvisF::reject() { Q_EMIT CancelClicked(); }

void TAvisF::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FocusNumber();
}

void TAvisF::mousePressEvent(QMouseEvent* event) {
  QDialog::mousePressEvent(event);
  FocusNumber();
}

}  // namespace quenor
