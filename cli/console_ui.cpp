#include "cli/console_ui.h"

#include "cli/terminal.h"

namespace quenor {

void ConsoleUi::ShowMessage(const std::string& caption, const std::string& text, MessageIcon) {
  ++messageCount_;
  PrintMessageBlock(caption, text);
}

void ConsoleUi::ShowStatus(const std::string& text) { PrintStatusLine(text); }

void ConsoleUi::SetCaption(const std::string&) {}

}  // namespace quenor
