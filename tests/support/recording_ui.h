#pragma once
// A user interface that records what the core told the user, for tests.
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace quenor::testing {

struct RecordedMessage {
  std::string caption;
  std::string text;
  MessageIcon icon;
};

class RecordingUi : public UserInterface {
 public:
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override {
    messages.push_back({caption, text, icon});
  }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void ShowReport(int slot, int headingLines) override { shownReports.push_back({slot, headingLines}); }
  void HideReport() override { ++hideCount; }
  void SetCaption(const std::string& text) override { caption = text; }

  std::vector<RecordedMessage> messages;
  std::vector<std::string> statuses;
  std::vector<std::pair<int, int>> shownReports;
  std::string caption;
  int hideCount = 0;
};

}  // namespace quenor::testing
