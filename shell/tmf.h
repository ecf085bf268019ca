#pragma once
// TMF, the main window "Analyse d'ascendance": it owns the session for the
// whole run, its menus, the heading pane and the report viewer, the status
// bar, the person selection dialog and the documentation window.
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

#include "platform/clock.h"
#include "platform/qt/qt_user_interface.h"
#include "session/menu_state.h"
#include "session/person_choice.h"
#include "session/session.h"
#include "shell/taidef.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;

namespace quenor {

class ReportViewer;
class TAvisF;

struct TMFSettings {
  // Where the reports and QROPT.DAT go; empty: the current directory.
  QString workingDirectory;
  // The clock of the run date; null: the system clock.
  const Clock* clock = nullptr;
  // The first activation opens the documentation.
  bool documentationAtFirstActivation = true;
};

class TMF : public QMainWindow, private WindowHost {
  Q_OBJECT

 public:
  explicit TMF(const TMFSettings& settings = TMFSettings(), QWidget* parent = nullptr);
  ~TMF() override;

  Session& session() { return *session_; }
  QtUserInterface& ui() { return *ui_; }
  ReportViewer& viewer() { return *VisionRTF; }
  ReportViewer& heading() { return *EnteteRTF; }
  TAvisF& selectionDialog() { return *AvisF; }
  TAideF* documentationWindow() { return AideF; }
  QAction* Action(MenuItem item) const;
  QMenu* Menu(MenuItem item) const;
  QAction* saveAction() const { return FichCreer; }
  QAction* printAction() const { return FichImprimer; }
  QAction* anglesAction() const { return FichAnglesInv; }
  QString StatusText() const;

  // "&Ouvrir un fichier GEDCom" once the file is chosen.
  void OpenGedcomFile(const QString& path);
  // Writes the shown report's text to `path`; false (the user told) on failure.
  bool SaveShownReport(const QString& path);
  // Prints the documentation when its window is open, else the shown report.
  // False when there was nothing to print (the user told) or printing failed.
  bool PrintShownReport(QPrinter& printer);
  // The menu states of "&Fichier" and "&Consulter" as they open.
  void mFichierClick();
  void mConsulterClick();

  // The person choice (also reached by the dialog's signals).
  void VisionRTFMouseDown(qint64 position);
  void ChercherBtnClick(const QString& typed);
  void OKBtnClick();
  void AnnulerBtnClick();

  void AscProbantClick();
  void LiensSelect2Click();
  void AideDocClick();
  void AideAProposClick();
  void FichAnglesInvClick();
  void SubGEDConsangClick();

 protected:
  // Left to the fan chart: "&Éventail" (its parameters, preview and printing).
  virtual void AscEventClick() {}
  // Left to the organigram window: "Organigramme de la descente" under "&Consulter".
  virtual void SubLiensOrgClick() {}
  // Left to the AutoCAD script export: a double click on the status bar.
  virtual void StatusBarDblClick() {}
  // Left to the pictures: "Éventail interactif" and "Graphique de complétude"
  // (also under "&Consulter" › "Ascendance"), and what they redraw once a
  // new analysis is made.
  virtual void AscEventailInteractifClick() {}
  virtual void AscGraphiqueClick() {}
  virtual void AncestryAnalysed() {}
  // After a file is opened: the pictures of the previous file are closed.
  virtual void FileOpened() {}

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // WindowHost
  void ShowReport(int slot, int headingLines) override;
  void HideReport() override;
  void MenusChanged() override;
  void BeginPersonChoice(int selectionMode) override;
  void EndPersonChoice() override;
  void ClearViewerSelection() override;
  void ShowOrganigram() override { SubLiensOrgClick(); }

  void BuildPanes();
  void BuildMenus();
  QMenu* BuildFileMenu();
  QMenu* BuildAncestryMenu();
  QMenu* BuildKinshipMenu();
  QMenu* BuildConsultMenu();
  QMenu* BuildHelpMenu();
  QAction* AddItem(QMenu* menu, const QString& caption, MenuItem item);
  QAction* AddConsultItem(QMenu* menu, const QString& caption, MenuItem item, int slot, int headingLines);
  void ConnectDialog();
  void FichOuvrirClick();
  void FichCreerClick();
  void FichImprimerClick();
  bool PrintReport(QPrinter& printer);
  void TellNothingToPrint();
  void ShowChoice(const ClickChoice& choice);
  void ShowChosenPerson(int32_t person);

  std::unique_ptr<Clock> ownClock_;
  QString workingDirectory_;
  bool documentationAtFirstActivation_;
  bool activatedOnce_ = false;
  bool documentationMissing_ = false;

  QLabel* StatusText_ = nullptr;
  std::unique_ptr<QtUserInterface> ui_;
  std::unique_ptr<Session> session_;
  ClickChooser chooser_;

  ReportViewer* EnteteRTF = nullptr;
  ReportViewer* VisionRTF = nullptr;
  TAvisF* AvisF = nullptr;
  QPointer<TAideF> AideF;

  QMenu* mFichier = nullptr;
  QMenu* mConsulter = nullptr;
  QAction* FichOuvrir = nullptr;
  QAction* FichCreer = nullptr;
  QAction* FichImprimer = nullptr;
  QAction* FichAnglesInv = nullptr;
  QAction* FichQuitter = nullptr;
  std::map<MenuItem, QAction*> items_;
  std::map<MenuItem, QMenu*> menus_;
};

}  // namespace quenor
