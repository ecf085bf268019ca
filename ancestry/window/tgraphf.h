#pragma once
// TGraphF, "Graphique de complétude": the completeness and implex chart of
// the last ancestry analysis, drawn to the size of the window, printed on
// one page or saved as an SVG or PNG picture.
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

#include "ancestry/completeness_chart.h"

class QPushButton;

namespace quenor {

class PrinterChoice;
class Session;

// The surface the chart is drawn on, filling it.
class CompletenessChartView : public QWidget {
  Q_OBJECT

 public:
  explicit CompletenessChartView(QWidget* parent = nullptr);
  void SetChart(const CompletenessChartData& data);
  const CompletenessChartData& chart() const { return data_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CompletenessChartData data_;
};

class TGraphF : public QWidget {
  Q_OBJECT

 public:
  TGraphF(Session& session, PrinterChoice& printer, QWidget* parent = nullptr);

  // Takes the figures of the session's last analysis and shows the window.
  void ShowChart();
  // Takes them again when the window is open (a new analysis was made).
  void Refresh();

  void ImprimerBtnGFClick();
  void SvgBtnGFClick();
  void PngBtnGFClick();

  // The size in pixels of the pictures saved.
  static constexpr QSize kPictureSize{1600, 1000};

  // Replaced by tests: the file chosen to save into (empty: cancelled),
  // given the dialog's title, filter and proposed name; the printer set-up
  // (false: cancelled).
  std::function<QString(const QString& title, const QString& filter, const QString& proposed)> chooseFile;
  std::function<bool()> setUpPrinter;

  CompletenessChartView* view() const { return view_; }
  QPushButton* ImprimerBtnGF = nullptr;
  QPushButton* SvgBtnGF = nullptr;
  QPushButton* PngBtnGF = nullptr;
  QPushButton* FermerBtnGF = nullptr;

 private:
  void Save(const QString& title, const QString& filter, const QString& extension);
  QString ProposedName(const QString& extension) const;

  Session& session_;
  PrinterChoice& printer_;
  CompletenessChartView* view_ = nullptr;
};

}  // namespace quenor
