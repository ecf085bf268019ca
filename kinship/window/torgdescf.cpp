#include "kinship/window/torgdescf.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "fanchart/window/printer_choice.h"
#include "gedcom/record_fields.h"
#include "kinship/organigram_painting.h"
#include "kinship/window/organigram_printer.h"
#include "kinship/window/qpainter_organigram_surface.h"
#include "kinship/window/torgdataf.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

const QColor kBackground(208, 208, 208);
const QString kScreenFace = QStringLiteral("MS Sans Serif");
constexpr int kTitleHeight = -14;
constexpr int kNameHeight = -11;
constexpr int kScrollPixelsPerRow = 30;
constexpr int kTitleMargin = 10;

OrganigramNames NamesOf(const Session& session) {
  const GedcomIndex* index = &session.index;
  return [index](int format, int32_t person) { return PersonName(*index, format, person); };
}

}  // namespace

OrganigramView::OrganigramView(Session& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(session) {
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
  horizontalScrollBar()->setSingleStep(10);
  verticalScrollBar()->setSingleStep(10);
}

void OrganigramView::SetText(const OrganigramText* text, const std::string& title) {
  text_ = text;
  title_ = title;
  fit_ = text ? OrganigramNameFit::Make(*text, NamesOf(session_),
                                        NameWidthOn(OrganigramFontOf(kScreenFace, kNameHeight), viewport()),
                                        OrganigramNameRoom(*text, ScreenGeometry(*text, 0, 0)))
              : OrganigramNameFit();
  UpdateScrollRanges();
  viewport()->update();
}

int OrganigramView::TitleWidth() const {
  const QFontMetrics metrics(OrganigramFontOf(kScreenFace, kTitleHeight), viewport());
  return metrics.horizontalAdvance(QString::fromStdString(Utf8FromCp1252(title_)));
}

int OrganigramView::TitleCentre() const {
  if (!text_) return 0;
  return std::max(text_->Centre(), TitleWidth() / 2 + kTitleMargin);
}

void OrganigramView::UpdateScrollRanges() {
  int width = text_ ? std::max(2 * text_->Centre(), TitleCentre() + TitleWidth() / 2 + kTitleMargin) : 0;
  // Three lines a row on average, more where names take three lines.
  int height = text_ ? std::max(kScrollPixelsPerRow * text_->RowCount(),
                                (OrganigramLineCount(*text_, 2, &fit_) + 1) * OrganigramText::kLineHeight)
                     : 0;
  QSize page = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, width - page.width()));
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setRange(0, std::max(0, height - page.height()));
  verticalScrollBar()->setPageStep(page.height());
}

void OrganigramView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRanges();
}

void OrganigramView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), kBackground);
  if (!text_ || text_->Empty()) return;
  painter.setPen(QPen(Qt::black, 0));
  QPainterOrganigramSurface surface(painter, OrganigramFontOf(kScreenFace, kTitleHeight),
                                    OrganigramFontOf(kScreenFace, kNameHeight));
  OrganigramGeometry geometry =
      ScreenGeometry(*text_, horizontalScrollBar()->value(), verticalScrollBar()->value());
  geometry.titleX = TitleCentre();
  lineCount_ = PaintOrganigram(*text_, title_, NamesOf(session_), geometry, surface, &fit_);
}

TOrgDescF::TOrgDescF(Session& session, PrinterChoice& printer, QWidget* parent)
    : QMainWindow(parent, Qt::Window), session_(session), printer_(printer) {
  view_ = new OrganigramView(session, this);
  setCentralWidget(view_);
  mFermerOF = menuBar()->addAction(QStringLiteral("&Fermer"));
  mImprimerOF = menuBar()->addAction(QStringLiteral("&Imprimer"));
  connect(mFermerOF, &QAction::triggered, this, [this] { mFermerOFClick(); });
  connect(mImprimerOF, &QAction::triggered, this, [this] { mImprimerOFClick(); });
  OrgDataF = new TOrgDataF(session, printer, this);
  runPrintDialog = [](TOrgDataF& dialog) { dialog.exec(); };
  resize(640, 480);
}

TOrgDescF::~TOrgDescF() = default;

std::string TOrgDescF::Title() const { return session_.kinship.organigram.caption; }

void TOrgDescF::ShowOrganigram() {
  setWindowTitle(QString::fromStdString(Utf8FromCp1252(Title())));
  FormActivate();
  show();
  raise();
  activateWindow();
}

void TOrgDescF::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TOrgDescF::FormActivate() {
  setWindowTitle(QString::fromStdString(Utf8FromCp1252(Title())));
  text_ = OrganigramText::Load(session_.SlotPath(kSlotOrganigram),
                               session_.kinship.organigram.singleLineOrganigram);
  view_->SetText(&text_, Title());
}

void TOrgDescF::mImprimerOFClick() {
  using namespace quenor::literals;
  if (text_.Empty()) {
    session_.Message("Impression"_ansi, "Il n'y a aucun organigramme à imprimer."_ansi,
                     MessageIcon::Information);
    return;
  }
  FanLayout& fan = session_.fan;
  if (fan.scale == 0) fan.scale = 1.0f;
  if (fan.unitFactor == 0) fan.unitFactor = 1.0;
  OrgDataF->Prepare(&text_, &view_->NameFit());
  runPrintDialog(*OrgDataF);
  if (session_.selectionMode == 1) PrintOrganigram();
  session_.selectionMode = 0;
}

void TOrgDescF::PrintOrganigram() {
  using namespace quenor::literals;
  const FanLayout& fan = session_.fan;
  OrganigramPrintJob job;
  job.text = &text_;
  job.title = Title();
  job.names = NamesOf(session_);
  job.scale = fan.scale;
  job.dpiX = fan.printerDpiX;
  job.dpiY = fan.printerDpiY;
  job.pagesAcross = fan.pagesAcross;
  job.pagesDown = fan.pagesDown;
  job.fit = &view_->NameFit();
  printer_.NameNextJob(QString());
  if (!quenor::PrintOrganigram(printer_.printer(), job)) {
    session_.Message("Erreur"_ansi, "Impossible d'imprimer l'organigramme"_ansi, MessageIcon::Stop);
  }
}

}  // namespace quenor
