#pragma once
// The user interface of the desktop program: message boxes, the status bar
// and the main window's caption, with every text converted from
// Windows-1252; the report viewer and the person selection are the main
// window's, reached through WindowHost.
#include <QString>
#include <functional>
#include <string_view>

#include "platform/user_interface.h"

class QLabel;
class QWidget;

namespace quenor {

QString QStringFromCp1252(std::string_view text);
std::string Cp1252FromQString(const QString& text);

// Shows one message; tests put a recorder in place of the message boxes.
using MessagePresenter = std::function<void(const QString& caption, const QString& text, MessageIcon icon)>;
// A modal message box over `parent` with the icon's picture.
MessagePresenter MessageBoxPresenter(QWidget* parent);

// What the main window does for the core.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void ShowReport(int slot, int headingLines) = 0;
  virtual void HideReport() = 0;
  virtual void MenusChanged() = 0;
  virtual void BeginPersonChoice(int selectionMode) = 0;
  virtual void EndPersonChoice() = 0;
  virtual void ClearViewerSelection() = 0;
  // The organigram window on the OrgDesc.TXT just written.
  virtual void ShowOrganigram() {}
};

class QtUserInterface : public UserInterface {
 public:
  QtUserInterface(QWidget& window, QLabel& statusText, WindowHost& host);

  void SetMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }

  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override;
  void ShowStatus(const std::string& text) override;
  void ShowReport(int slot, int headingLines) override { host_.ShowReport(slot, headingLines); }
  void HideReport() override { host_.HideReport(); }
  void SetCaption(const std::string& text) override;
  void MenusChanged() override { host_.MenusChanged(); }
  void BeginPersonChoice(int selectionMode) override { host_.BeginPersonChoice(selectionMode); }
  void EndPersonChoice() override { host_.EndPersonChoice(); }
  void ClearViewerSelection() override { host_.ClearViewerSelection(); }
  void ShowOrganigram() override { host_.ShowOrganigram(); }

 private:
  QWidget& window_;
  QLabel& statusText_;
  WindowHost& host_;
  MessagePresenter presenter_;
};

}  // namespace quenor
