#include <cstdio>
#include <cstdlib>

#include "cli/commands.h"
#include "cli/terminal.h"
#include "gedcom/record_fields.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace quenor {

int UsageError(const std::string& message) {
  PrintUtf8(stderr, "quenor-cli : " + message + "\n");
  return kExitUsage;
}

bool ParsePersonNumber(const std::string& text, int32_t& number) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  number = static_cast<int32_t>(std::atol(text.c_str()));
  return number > 0;
}

int LoadForCommand(Session& session, const std::string& path) {
  return LoadGedcomFile(session, path) == LoadResult::Loaded ? kExitDone : kExitRefused;
}

}  // namespace quenor
