#pragma once
// The command-line face of the user interface: status texts on standard
// output, message boxes on standard error as "caption: text", both in UTF-8
// (see cli/terminal.h).
#include <string>

#include "platform/user_interface.h"

namespace quenor {

class ConsoleUi : public UserInterface {
 public:
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override;
  void ShowStatus(const std::string& text) override;
  void SetCaption(const std::string& text) override;
  int MessageCount() const { return messageCount_; }

 private:
  int messageCount_ = 0;
};

}  // namespace quenor
