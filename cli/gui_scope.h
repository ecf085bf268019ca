#pragma once
// A QGuiApplication for the time of a drawing, when none exists yet, on the
// offscreen platform unless another one is asked for: quenor-cli draws its
// pictures without any display.
#include <QGuiApplication>
#include <memory>

namespace quenor {

class GuiScope {
 public:
  GuiScope() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[16] = "quenor-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace quenor
