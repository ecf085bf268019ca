#include "cli/console_ui.h"

#include <cstdio>

#include "platform/cp1252.h"

namespace quenor {

void ConsoleUi::ShowMessage(const std::string& caption, const std::string& text, MessageIcon) {
  ++messageCount_;
  std::fprintf(stderr, "%s: %s\n", Utf8FromCp1252(caption).c_str(), Utf8FromCp1252(text).c_str());
  std::fflush(stderr);
}

void ConsoleUi::ShowStatus(const std::string& text) {
  if (text.empty()) return;
  std::printf("%s\n", Utf8FromCp1252(text).c_str());
  std::fflush(stdout);
}

void ConsoleUi::SetCaption(const std::string&) {}

}  // namespace quenor
