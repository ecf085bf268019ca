#include "shell/tmf.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/consanguinity_list.h"
#include "platform/atomic_file.h"
#include "platform/cp1252.h"
#include "platform/version.h"
#include "session/gedcom_opening.h"
#include "session/kinship_choice.h"
#include "session/load_report.h"
#include "session/menu_openings.h"
#include "session/person_summary.h"
#include "session/report_metrics.h"
#include "shell/options_store.h"
#include "shell/report_printer.h"
#include "shell/report_viewer.h"
#include "shell/taidef.h"
#include "shell/tavisf.h"

namespace quenor {

using namespace literals;

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

void SetPaneColour(QWidget* pane, const QColor& colour) {
  QPalette palette = pane->palette();
  palette.setColor(QPalette::Base, colour);
  pane->setPalette(palette);
}

}  // namespace

TMF::TMF(const TMFSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      workingDirectory_(settings.workingDirectory.isEmpty() ? QDir::currentPath() : settings.workingDirectory),
      documentationAtFirstActivation_(settings.documentationAtFirstActivation) {
  const Clock* clock = settings.clock;
  if (clock == nullptr) {
    ownClock_ = std::make_unique<SystemClock>();
    clock = ownClock_.get();
  }
  setObjectName(QStringLiteral("MF"));
  setWindowTitle(Utf8("Analyse d'ascendance"));
  StatusText_ = new QLabel(this);
  StatusText_->setObjectName(QStringLiteral("StatusBar"));
  StatusText_->installEventFilter(this);
  statusBar()->addWidget(StatusText_, 1);
  statusBar()->setSizeGripEnabled(true);

  ui_ = std::make_unique<QtUserInterface>(*this, *StatusText_, static_cast<WindowHost&>(*this));
  session_ = std::make_unique<Session>(*ui_, workingDirectory_.toStdString(), *clock);
  session_->anglesInverted = ReadProgramOptions(workingDirectory_).anglesInverted;

  BuildPanes();
  BuildMenus();
  AvisF = new TAvisF(this);
  ConnectDialog();
  MenusChanged();
}

TMF::~TMF() {
  if (AideF) delete AideF;
}

QString TMF::StatusText() const { return StatusText_->text(); }

// --- panes --------------------------------------------------------------

void TMF::BuildPanes() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  EnteteRTF = new ReportViewer(central);
  EnteteRTF->setObjectName(QStringLiteral("EnteteRTF"));
  EnteteRTF->setFrameShape(QFrame::NoFrame);
  EnteteRTF->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  EnteteRTF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  EnteteRTF->setFocusPolicy(Qt::NoFocus);
  SetPaneColour(EnteteRTF, QColor(0, 255, 255));
  VisionRTF = new ReportViewer(central);
  VisionRTF->setObjectName(QStringLiteral("VisionRTF"));
  EnteteRTF->FollowHorizontalScroll(VisionRTF->horizontalScrollBar());
  layout->addWidget(EnteteRTF);
  layout->addWidget(VisionRTF, 1);
  EnteteRTF->hide();
  VisionRTF->hide();
  setCentralWidget(central);
  connect(VisionRTF, &ReportViewer::Pressed, this, &TMF::VisionRTFMouseDown);
}

void TMF::ShowReport(int slot, int headingLines) {
  EnteteRTF->hide();
  VisionRTF->hide();
  EnteteRTF->Clear();
  const int characterHeight = ReportCharacterHeight(width());
  EnteteRTF->SetCharacterHeight(characterHeight);
  VisionRTF->SetCharacterHeight(characterHeight);
  EnteteRTF->setFixedHeight(HeadingPaneHeight(headingLines, characterHeight));
  VisionRTF->SetText(ReadReportFile(session_->SlotPath(slot)));
  EnteteRTF->SetText(VisionRTF->FirstLines(headingLines));
  EnteteRTF->show();
  VisionRTF->show();
  VisionRTF->setFocus(Qt::OtherFocusReason);
  VisionRTF->ScrollToLine(0);
}

void TMF::HideReport() {
  EnteteRTF->hide();
  VisionRTF->hide();
  EnteteRTF->Clear();
  VisionRTF->Clear();
}

void TMF::ClearViewerSelection() { VisionRTF->ClearSelection(); }

// --- menus --------------------------------------------------------------

QAction* TMF::AddItem(QMenu* menu, const QString& caption, MenuItem item) {
  QAction* action = menu->addAction(caption);
  items_[item] = action;
  return action;
}

QAction* TMF::AddConsultItem(QMenu* menu, const QString& caption, MenuItem item, int slot, int headingLines) {
  QAction* action = AddItem(menu, caption, item);
  connect(action, &QAction::triggered, this, [this, slot, headingLines] { LoadReport(*session_, slot, headingLines); });
  return action;
}

void TMF::BuildMenus() {
  menuBar()->addMenu(BuildFileMenu());
  menuBar()->addMenu(BuildAncestryMenu());
  menuBar()->addMenu(BuildKinshipMenu());
  menuBar()->addMenu(BuildConsultMenu());
  menuBar()->addMenu(BuildHelpMenu());
}

QMenu* TMF::BuildFileMenu() {
  mFichier = new QMenu(Utf8("&Fichier"), this);
  FichOuvrir = mFichier->addAction(Utf8("&Ouvrir un fichier GEDCom"));
  mFichier->addSeparator();
  FichCreer = mFichier->addAction(Utf8("&Créer un fichier texte du rapport à l'écran"));
  FichImprimer = mFichier->addAction(Utf8("&Imprimer le rapport à l'écran"));
  mFichier->addSeparator();
  FichAnglesInv = mFichier->addAction(Utf8("&Angles inversés"));
  FichAnglesInv->setCheckable(true);
  items_[MenuItem::FichAnglesInv] = FichAnglesInv;
  mFichier->addSeparator();
  FichQuitter = mFichier->addAction(Utf8("&Quitter"));
  FichCreer->setEnabled(false);
  FichImprimer->setEnabled(false);
  connect(mFichier, &QMenu::aboutToShow, this, &TMF::mFichierClick);
  connect(FichOuvrir, &QAction::triggered, this, &TMF::FichOuvrirClick);
  connect(FichCreer, &QAction::triggered, this, &TMF::FichCreerClick);
  connect(FichImprimer, &QAction::triggered, this, &TMF::FichImprimerClick);
  connect(FichAnglesInv, &QAction::triggered, this, [this](bool checked) { session_->anglesInverted = checked; });
  connect(FichQuitter, &QAction::triggered, this, &QWidget::close);
  return mFichier;
}

QMenu* TMF::BuildAncestryMenu() {
  auto* menu = new QMenu(Utf8("&Ascendance"), this);
  menus_[MenuItem::mAscendance] = menu;
  connect(AddItem(menu, Utf8("&Ascendance d'un probant"), MenuItem::AscProbant), &QAction::triggered, this,
          &TMF::AscProbantClick);
  connect(AddItem(menu, Utf8("&Statistiques"), MenuItem::AscStat), &QAction::triggered, this,
          [this] { LoadReport(*session_, kSlotStatistics, 2); });
  connect(AddItem(menu, Utf8("Ascendants répétés"), MenuItem::AscRepet), &QAction::triggered, this,
          [this] { LoadReport(*session_, kSlotRepeatedAncestors, 5); });
  connect(AddItem(menu, Utf8("&Éventail"), MenuItem::AscEventail), &QAction::triggered, this,
          [this] { AscEventClick(); });
  connect(AddItem(menu, Utf8("Éventail interactif"), MenuItem::AscEventailInteractif), &QAction::triggered, this,
          [this] { AscEventailInteractifClick(); });
  connect(AddItem(menu, Utf8("Graphique de complétude"), MenuItem::AscGraphique), &QAction::triggered, this,
          [this] { AscGraphiqueClick(); });
  AddConsultItem(menu, Utf8("Consanguinité"), MenuItem::AscConsang, kSlotConsanguinity, kConsanguinityHeadingLines);
  return menu;
}

QMenu* TMF::BuildKinshipMenu() {
  auto* menu = new QMenu(Utf8("&Liens de parenté"), this);
  menus_[MenuItem::mLiens] = menu;
  connect(AddItem(menu, Utf8("&Sélectionner les 2 individus"), MenuItem::LiensSelect2), &QAction::triggered, this,
          &TMF::LiensSelect2Click);
  // These four only show which results the search produced; "&Consulter" shows them.
  AddItem(menu, Utf8("Souches &communes"), MenuItem::LiensSouches);
  AddItem(menu, Utf8("&Lignées collatérales"), MenuItem::LiensCollat);
  AddItem(menu, Utf8("Lignées de la descente"), MenuItem::LiensDesc);
  AddItem(menu, Utf8("&Organigramme de la descente"), MenuItem::LiensOrgan);
  AddConsultItem(menu, Utf8("Degrés de parenté"), MenuItem::LiensDegres, kSlotKinshipDegrees, kKinshipDegreesHeadingLines);
  return menu;
}

QMenu* TMF::BuildConsultMenu() {
  mConsulter = new QMenu(Utf8("&Consulter"), this);
  menus_[MenuItem::mConsulter] = mConsulter;
  QMenu* gedcom = mConsulter->addMenu(Utf8("&Fichier GEDCom"));
  menus_[MenuItem::ConsGED] = gedcom;
  AddConsultItem(gedcom, Utf8("Sous format GEDCom"), MenuItem::SubGEDFormatGED, kSlotGedcom, 0);
  AddConsultItem(gedcom, Utf8("Liste alphabétique"), MenuItem::SubGEDListe, kSlotAlphabeticalList, 3);
  connect(AddItem(gedcom, Utf8("Consanguinité de tous les individus"), MenuItem::SubGEDConsang), &QAction::triggered,
          this, &TMF::SubGEDConsangClick);
  QMenu* ancestry = mConsulter->addMenu(Utf8("Ascendance"));
  menus_[MenuItem::ConsAsc] = ancestry;
  AddConsultItem(ancestry, Utf8("Liste des ascendants avec# Stradonitz"), MenuItem::SubAscListe, kSlotAncestryList, 3);
  AddConsultItem(ancestry, Utf8("Statistiques"), MenuItem::SubAscStat, kSlotStatistics, 2);
  AddConsultItem(ancestry, Utf8("Liste des ascendants répétés"), MenuItem::SubAscRepet, kSlotRepeatedAncestors, 5);
  connect(AddItem(ancestry, Utf8("Graphique de complétude"), MenuItem::SubAscGraphique), &QAction::triggered, this,
          [this] { AscGraphiqueClick(); });
  AddConsultItem(ancestry, Utf8("Consanguinité"), MenuItem::SubAscConsang, kSlotConsanguinity, kConsanguinityHeadingLines);
  QMenu* kinship = mConsulter->addMenu(Utf8("Liens de parenté"));
  menus_[MenuItem::ConsLiens] = kinship;
  AddConsultItem(kinship, Utf8("Souches communes"), MenuItem::SubLiensSouches, kSlotRootAncestors, 5);
  AddConsultItem(kinship, Utf8("Lignées collatérales"), MenuItem::SubLiensCollat, kSlotCollateralLines, 3);
  AddConsultItem(kinship, Utf8("Individus de la descente"), MenuItem::SubLiensDesc, kSlotDescentLines, 4);
  connect(AddItem(kinship, Utf8("Organigramme de la descente"), MenuItem::SubLiensOrgan), &QAction::triggered, this,
          [this] { SubLiensOrgClick(); });
  AddConsultItem(kinship, Utf8("Degrés de parenté"), MenuItem::SubLiensDegres, kSlotKinshipDegrees,
                 kKinshipDegreesHeadingLines);
  connect(mConsulter, &QMenu::aboutToShow, this, &TMF::mConsulterClick);
  return mConsulter;
}

QMenu* TMF::BuildHelpMenu() {
  auto* menu = new QMenu(Utf8("&Aide"), this);
  connect(menu->addAction(Utf8("&Documentation")), &QAction::triggered, this, &TMF::AideDocClick);
  connect(menu->addAction(Utf8("À &propos")), &QAction::triggered, this, &TMF::AideAProposClick);
  return menu;
}

QAction* TMF::Action(MenuItem item) const {
  const auto found = items_.find(item);
  return found == items_.end() ? nullptr : found->second;
}

QMenu* TMF::Menu(MenuItem item) const {
  const auto found = menus_.find(item);
  return found == menus_.end() ? nullptr : found->second;
}

// The one place where the menu state of the session reaches the menus.
void TMF::MenusChanged() {
  for (const auto& [item, action] : items_) action->setEnabled(session_->menus.Enabled(item));
  for (const auto& [item, menu] : menus_) menu->menuAction()->setEnabled(session_->menus.Enabled(item));
  FichAnglesInv->setChecked(session_->anglesInverted);
}

void TMF::mFichierClick() {
  const FileMenuItems items = FileMenuOnOpening(session_->slots);
  FichCreer->setEnabled(items.canSave);
  FichImprimer->setEnabled(items.canPrint);
}

void TMF::mConsulterClick() {
  ConsultMenuOnOpening(*session_);
  MenusChanged();
}

// --- "&Fichier" ---------------------------------------------------------

void TMF::FichOuvrirClick() {
  QString path;
  if (session_->renumbering.pending) {
    path = QString::fromStdString(session_->renumbering.copyPath);
  } else {
    path = QFileDialog::getOpenFileName(this, Utf8("Ouvrir un fichier GEDCom"), QString(),
                                        Utf8("Fichier GEDCom (*.GED *.ged *.Ged)"));
  }
  if (!path.isEmpty()) OpenGedcomFile(path);
}

void TMF::OpenGedcomFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QDir::setCurrent(workingDirectory_);
  AnnulerBtnClick();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const LoadResult result = LoadGedcomFile(*session_, absolute.toStdString());
  QApplication::restoreOverrideCursor();
  FileOpened();
  if (result == LoadResult::MustClose) close();
}

bool TMF::SaveShownReport(const QString& path) {
  const bool written = WriteWholeFile(QFile::encodeName(path).toStdString(), VisionRTF->Text());
  if (!written) {
    ui_->ShowMessage("Erreur", "Impossible d'écrire le fichier "_ansi + Cp1252FromQString(path), MessageIcon::Stop);
  }
  return written;
}

void TMF::FichCreerClick() {
  QFileDialog dialog(this, Utf8("Nom du fichier à créer"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({Utf8("Format texte seulement (*.txt)"), Utf8("Format script AutoCAD (*.scr)"),
                         Utf8("Autres (*)")});
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  SaveShownReport(dialog.selectedFiles().constFirst());
}

void TMF::TellNothingToPrint() {
  ui_->ShowMessage("Impression", "Le rapport affiché ne contient aucune ligne à imprimer."_ansi,
                   MessageIcon::Information);
}

bool TMF::PrintReport(QPrinter& printer) {
  const int fontHeight = PrintFontHeight(VisionRTF->Text());
  if (fontHeight == 0) {
    TellNothingToPrint();
    return false;
  }
  printer.setDocName(QString());
  if (PrintReportText(printer, VisionRTF->Text(), fontHeight) == 0) {
    ui_->ShowMessage("Impression", "L'impression du rapport a échoué."_ansi, MessageIcon::Warning);
    return false;
  }
  return true;
}

bool TMF::PrintShownReport(QPrinter& printer) {
  if (AideF && session_->slots[kSlotDocumentation].shown) {
    printer.setDocName(QStringLiteral("Documentation Quenor"));
    AideF->AideRTF->document()->print(&printer);
    return true;
  }
  return PrintReport(printer);
}

void TMF::FichImprimerClick() {
  const bool documentation = AideF && session_->slots[kSlotDocumentation].shown;
  if (!documentation && PrintFontHeight(VisionRTF->Text()) == 0) {
    TellNothingToPrint();
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintShownReport(printer);
}

void TMF::FichAnglesInvClick() { FichAnglesInv->trigger(); }

// "Consanguinité de tous les individus": computed once for each file loaded,
// then shown again.
void TMF::SubGEDConsangClick() {
  if (session_->slots[kSlotConsanguinityList].hasContent) {
    LoadReport(*session_, kSlotConsanguinityList, kConsanguinityListHeadingLines);
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ListConsanguinity(*session_);
  QApplication::restoreOverrideCursor();
}

// --- person choice ------------------------------------------------------

void TMF::ConnectDialog() {
  connect(AvisF, &TAvisF::SearchRequested, this, &TMF::ChercherBtnClick);
  connect(AvisF, &TAvisF::OkClicked, this, &TMF::OKBtnClick);
  connect(AvisF, &TAvisF::CancelClicked, this, &TMF::AnnulerBtnClick);
}

void TMF::AscProbantClick() {
  // The fan chart parameters dialog empties its probant line itself when the probant changes.
  BeginProbantChoice(*session_);
  VisionRTF->setFocus(Qt::OtherFocusReason);
}

void TMF::LiensSelect2Click() {
  // The menu command always starts the choice afresh, even in the middle of one.
  session_->selectionMode = 0;
  quenor::LiensSelect2Click(*session_);
}

void TMF::BeginPersonChoice(int selectionMode) {
  AvisF->Begin(selectionMode);
  if (selectionMode != 4) {
    // A new choice: a click of an earlier choice confirms nothing in it.
    chooser_.lastClickPosition = 0;
    AvisF->PlaceBeside(*this);
    AvisF->show();
    AvisF->raise();
  }
  VisionRTF->setFocus(Qt::OtherFocusReason);
}

void TMF::EndPersonChoice() { AvisF->hide(); }

void TMF::ShowChosenPerson(int32_t person) {
  AvisF->ShowPersonSummary(SummarizePerson(session_->index, person));
  AvisF->EnableOk(true);
}

void TMF::ShowChoice(const ClickChoice& choice) {
  switch (choice.result) {
    case ClickResult::BackToStart:
      VisionRTF->ClearSelection();
      VisionRTF->SetCaretPosition(0, false);
      return;
    case ClickResult::NotAName:
      AvisF->EnableOk(false);
      VisionRTF->ClearSelection();
      return;
    case ClickResult::Chosen:
      VisionRTF->Select(choice.selectionStart, choice.selectionLength);
      session_->chosenLine = choice.line;
      ShowChosenPerson(choice.person);
      return;
  }
}

void TMF::VisionRTFMouseDown(qint64 position) {
  if (session_->selectionMode == 0) return;
  if (chooser_.ConfirmsPrevious(position)) {
    OKBtnClick();
    // Once the choice is over, the click has nothing more to choose.
    if (session_->selectionMode == 0) return;
  }
  ShowChoice(chooser_.Choose(*session_, VisionRTF->Text(), position));
}

void TMF::ChercherBtnClick(const QString& typed) {
  const NumberSearch search = FindPersonLine(session_->SlotPath(kSlotAlphabeticalList), typed.toStdString());
  VisionRTF->setFocus(Qt::OtherFocusReason);
  if (!search.found) {
    VisionRTF->ClearSelection();
    ui_->ShowMessage(typed.toStdString(), "Le fichier ne contient aucune personne portant ce numéro"_ansi,
                     MessageIcon::Stop);
    AvisF->ClearNumber();
    return;
  }
  session_->chosenLine = search.line;
  ShowChosenPerson(search.person);
  if (session_->slots[kSlotAlphabeticalList].shown) {
    VisionRTF->Select(search.filePosition, static_cast<int64_t>(search.line.size()));
  }
}

void TMF::OKBtnClick() {
  switch (session_->selectionMode) {
    case 1: {
      const AncestryOutcome outcome = AnalyseAncestry(*session_);
      if (outcome == AncestryOutcome::NoAncestors) AvisF->EnableOk(false);
      if (outcome == AncestryOutcome::Analysed || outcome == AncestryOutcome::ReportFailed) EndPersonChoice();
      if (outcome == AncestryOutcome::Analysed) AncestryAnalysed();
      break;
    }
    case 3:
      quenor::LiensSelect2Click(*session_);
      if (AvisF->isVisible()) AvisF->FocusNumber();
      break;
    case 4:
      quenor::LiensSelect2Click(*session_);
      break;
    default:
      break;
  }
  VisionRTF->ClearSelection();
}

void TMF::AnnulerBtnClick() {
  VisionRTF->ClearSelection();
  session_->selectionMode = 0;
  AvisF->hide();
}

// --- "&Aide" ------------------------------------------------------------

void TMF::AideDocClick() {
  if (AideF) {
    AideF->raise();
    AideF->activateWindow();
    return;
  }
  AideF = new TAideF(this);
  AideF->setGeometry(x() + 35, y() + 70, std::max(200, width() - 60), std::max(150, height() - 80));
  connect(AideF, &TAideF::Closed, this, [this] { session_->slots[kSlotDocumentation].shown = false; });
  if (!documentationMissing_) {
    if (AideF->LoadDocumentation(DocumentationCandidates(workingDirectory_))) {
      session_->slots[kSlotDocumentation].shown = true;
    } else {
      documentationMissing_ = true;
      ui_->ShowMessage("Documentation", "Le fichier d'aide est introuvable", MessageIcon::Warning);
    }
  }
  AideF->show();
}

void TMF::AideAProposClick() {
  ui_->ShowMessage("À propos de ce logiciel ..."_ansi,
                   "Quenor version "_ansi + kQuenorVersion +
                       " janvier 2018\n\nLogiciel d'analyse d'ascendance généalogique\net liens de parenté."_ansi,
                   MessageIcon::Information);
}

// --- window events ------------------------------------------------------

bool TMF::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
    activatedOnce_ = true;
    if (documentationAtFirstActivation_) QTimer::singleShot(0, this, &TMF::AideDocClick);
  }
  return QMainWindow::event(event);
}

bool TMF::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StatusText_ && event->type() == QEvent::MouseButtonDblClick) StatusBarDblClick();
  return QMainWindow::eventFilter(watched, event);
}

void TMF::closeEvent(QCloseEvent* event) {
  ProgramOptions options;
  options.anglesInverted = session_->anglesInverted;
  WriteProgramOptions(workingDirectory_, options);
  if (AideF) AideF->close();
  AvisF->hide();
  event->accept();
}

}  // namespace quenor
