#pragma once
// What the fuzz targets share: a user interface that tells nobody, a scratch
// folder of their own, and the input written where the program reads it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/user_interface.h"

namespace quenor::fuzzing {

class SilentUi : public UserInterface {
 public:
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  void ShowStatus(const std::string&) override {}
};

// A folder of the process, removed at its end, in shared memory when the
// system has it (the writes the program flushes to the disk then cost
// nothing); the temporary folder of the process (renumbered copies) is put
// there too.
const std::string& ScratchFolder();

// Writes the bytes as the file at `path`; aborts when it cannot.
void WriteInput(const std::string& path, const uint8_t* data, std::size_t size);

}  // namespace quenor::fuzzing
