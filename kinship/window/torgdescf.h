#pragma once
// TOrgDescF, the organigram window: OrgDesc.TXT read again at each
// activation and drawn with scroll bars; its menu closes the window or
// prints the organigram on tiled pages after TOrgDataF.
#include <QAbstractScrollArea>
#include <QMainWindow>
#include <functional>
#include <string>

#include "kinship/organigram_name_fit.h"
#include "kinship/organigram_text.h"

class QAction;

namespace quenor {

class PrinterChoice;
class Session;
class TOrgDataF;

// The scrolled surface the organigram is drawn on.
class OrganigramView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit OrganigramView(Session& session, QWidget* parent = nullptr);

  // Shows the text with its names fitted to their cells in the screen's font.
  void SetText(const OrganigramText* text, const std::string& title);
  const OrganigramNameFit& NameFit() const { return fit_; }
  // The drawing's height in lines after the last paint.
  int LineCount() const { return lineCount_; }
  // Where the caption is centred: over the drawing, or further right when it
  // is wider than the drawing, so that it shows whole.
  int TitleCentre() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollRanges();
  int TitleWidth() const;

  Session& session_;
  const OrganigramText* text_ = nullptr;
  std::string title_;
  OrganigramNameFit fit_;
  int lineCount_ = 0;
};

class TOrgDescF : public QMainWindow {
  Q_OBJECT

 public:
  TOrgDescF(Session& session, PrinterChoice& printer, QWidget* parent = nullptr);
  ~TOrgDescF() override;

  // Shows the window (non-modal, above the main window) on the current file.
  void ShowOrganigram();

  void FormActivate();
  void mFermerOFClick() { close(); }
  void mImprimerOFClick();

  const OrganigramText& text() const { return text_; }
  OrganigramView& view() { return *view_; }
  TOrgDataF& printDialog() { return *OrgDataF; }
  QAction* FermerAction() const { return mFermerOF; }
  QAction* ImprimerAction() const { return mImprimerOF; }

  // Shows the print dialog modally; tests answer it instead.
  std::function<void(TOrgDataF&)> runPrintDialog;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void PrintOrganigram();
  std::string Title() const;

  Session& session_;
  PrinterChoice& printer_;
  OrganigramText text_;
  OrganigramView* view_ = nullptr;
  TOrgDataF* OrgDataF = nullptr;
  QAction* mFermerOF = nullptr;
  QAction* mImprimerOF = nullptr;
};

}  // namespace quenor
