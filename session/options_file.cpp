#include "session/options_file.h"

namespace quenor {

namespace {
constexpr std::string_view kAnglesKey = "AnglesInverses=";
}

std::string OptionsFileText(const ProgramOptions& options) {
  return std::string(kAnglesKey) + (options.anglesInverted ? "1" : "0") + "\r\n";
}

ProgramOptions ParseOptionsFile(std::string_view text) {
  ProgramOptions options;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.starts_with(kAnglesKey)) {
      options.anglesInverted = line.substr(kAnglesKey.size()).starts_with('1');
    }
    start = end + 1;
  }
  return options;
}

}  // namespace quenor
