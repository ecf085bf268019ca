#include "session/session.h"

#include <utility>

namespace quenor {

Session::Session(UserInterface& ui_, std::string workingDirectory_, const Clock& clock_)
    : ui(ui_),
      clock(clock_),
      workingDirectory(std::move(workingDirectory_)),
      runDate(FormatRunDate(clock_.TodayUtc())) {
  slots.SetWorkingDirectory(workingDirectory);
}

}  // namespace quenor
