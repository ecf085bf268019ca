#pragma once
// Pictures of the screen for the tours that run under a real X server: let
// the windows draw, then save the whole screen and print the picture's name.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

namespace quenor::testing {

inline void Settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Saves FOLDER/NAME.png once the windows have drawn for `settleMs`.
inline void ShootScreen(const QString& folder, const QString& name, int settleMs) {
  Settle(settleMs);
  QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name + QStringLiteral(".png")));
  std::printf("%s\n", qPrintable(name));
  std::fflush(stdout);
}

}  // namespace quenor::testing
