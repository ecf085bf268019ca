#pragma once
// Reading and writing the options file QROPT.DAT of the working directory.
// The file is replaced in one step, so that it is never left half written.
#include <QString>

#include "session/options_file.h"

namespace quenor {

ProgramOptions ReadProgramOptions(const QString& workingDirectory);
bool WriteProgramOptions(const QString& workingDirectory, const ProgramOptions& options);

}  // namespace quenor
