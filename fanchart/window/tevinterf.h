#pragma once
// TEvInterF, "Éventail interactif": the probant's fan chart on screen, to
// zoom, move and fit to the window, with the summary of the ancestor under
// the pointer; a double click makes that ancestor the probant of a new
// analysis. Colours of the boxes and the marks of repeated ancestors can be
// shown.
#include <QWidget>
#include <functional>

#include "fanchart/window/fan_explorer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quenor {

class Session;

class TEvInterF : public QWidget {
  Q_OBJECT

 public:
  explicit TEvInterF(Session& session, QWidget* parent = nullptr);

  // Reads the chart of the session's probant and shows the window.
  void ShowFan();
  // Reads it again (a new analysis was made), keeping the generations.
  void Refresh();
  // Makes the ancestor in place `number` the probant: the analysis runs as
  // "&Ascendance d'un probant" runs it, then the chart is his.
  void Recentre(int32_t number);

  // Called after an analysis that this window started.
  std::function<void()> analysed;

  FanExplorer* explorer() const { return explorer_; }
  QLabel* summary() const { return InfoLblEI; }
  QSpinBox* GenSpinEI = nullptr;
  QComboBox* CouleursCBEI = nullptr;
  QCheckBox* RepetesCBEI = nullptr;
  QPushButton* AjusterBtnEI = nullptr;

 private:
  void Load();
  void ShowSummary(int32_t number);
  int DefaultGenerations() const;

  Session& session_;
  FanExplorer* explorer_ = nullptr;
  QLabel* InfoLblEI = nullptr;
};

}  // namespace quenor
