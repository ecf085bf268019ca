#pragma once
// What the screenshot tours share: the main window as a user sees it after
// start, working in the tour's output folder, its messages printed rather
// than shown so that the walk goes on.
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

#include "app/charts_main_window.h"

namespace quenor::testing {

inline TMFSettings TourSettings(const QString& folder) {
  TMFSettings settings;
  settings.workingDirectory = folder;
  settings.documentationAtFirstActivation = false;
  return settings;
}

inline void ShowForTour(ChartsMainWindow& window) {
  window.ui().SetMessagePresenter([](const QString& caption, const QString& text, MessageIcon) {
    std::printf("message %s: %s\n", qPrintable(caption), qPrintable(text));
  });
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
}

}  // namespace quenor::testing
