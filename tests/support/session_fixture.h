#pragma once
// A session working in a scratch folder, with a recording user interface
// and a fixed clock (2024-03-15).
#include <memory>
#include <string>

#include "session/gedcom_opening.h"
#include "session/session.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace quenor::testing {

struct SessionFixture {
  SessionFixture() : clock(CalendarDate{2024, 3, 15}), session(ui, folder.path().string(), clock) {}

  // Loads a file of tests/data; true when loaded.
  bool LoadData(const std::string& name);
  // Writes `text` as a GEDCOM file of the scratch folder and loads it.
  bool LoadText(const std::string& text, const std::string& fileName = "test.ged");
  // The bytes of a report file of the scratch folder.
  std::string Report(const std::string& fileName) const { return ReadBytes(folder / fileName); }

  ScratchFolder folder;
  RecordingUi ui;
  FixedClock clock;
  Session session;
};

}  // namespace quenor::testing
