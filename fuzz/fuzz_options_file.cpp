// Fuzz target: any bytes read as the options file QROPT.DAT; whatever was
// read is written back and must read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "session/options_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const quenor::ProgramOptions options =
      quenor::ParseOptionsFile(std::string_view(reinterpret_cast<const char*>(data), size));
  const quenor::ProgramOptions again = quenor::ParseOptionsFile(quenor::OptionsFileText(options));
  if (again.anglesInverted != options.anglesInverted) std::abort();
  return 0;
}
