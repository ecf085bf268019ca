#pragma once
// A main window working in a scratch folder, with a fixed clock and its
// messages recorded instead of shown.
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/tmf.h"
#include "tests/support/test_files.h"

namespace quenor::testing {

struct ShownMessage {
  QString caption;
  QString text;
  MessageIcon icon;
};

class MainWindowFixture {
 public:
  explicit MainWindowFixture(const std::filesystem::path& folder);
  MainWindowFixture() : MainWindowFixture(std::filesystem::path()) {}

  TMF& window() { return *window_; }
  Session& session() { return window_->session(); }
  const std::filesystem::path& folder() const { return folder_; }

  void Load(const std::string& dataFile);
  // The byte position in the viewer of the list line of individual n.
  int64_t ListLineOf(int32_t n);
  // A mouse click in the viewer on the character at `position`.
  void ClickAt(int64_t position);
  // The bytes of the alphabetical list file.
  std::string ReadList() const { return ReadBytes(folder_ / "LstGED.TXT"); }
  // The messages shown since the last call.
  std::vector<ShownMessage> TakeMessages();

  std::vector<ShownMessage> messages;

 private:
  std::unique_ptr<ScratchFolder> ownFolder_;
  std::filesystem::path folder_;
  FixedClock clock_;
  std::unique_ptr<TMF> window_;
};

}  // namespace quenor::testing
