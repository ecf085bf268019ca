#pragma once
// The AutoCAD command script that redraws the fan chart at its printed
// scale: grid, side titles, probant line, legend, note, Stradonitz codes and
// the ancestors read back from the ancestry list.
#include <string>
#include <vector>

#include "fanchart/script_output.h"
#include "platform/clock.h"

namespace quenor {

class Session;

struct FanScriptSettings {
  int generations = 6;     // G, 4..12
  float scale = 1.0f;      // s
  std::string probantLine; // Windows-1252
  std::vector<std::string> note;
  CalendarDate today;      // local date of production
};

// Writes the grid, titles, legend, note and codes (everything but the
// ancestors).
void WriteScriptFrame(ScriptOutput& out, const FanScriptSettings& settings);

// Reads the ancestry list at `listPath` and writes the texts of every ancestor
// of the chart's generations. False when the list cannot be opened.
bool WriteScriptAncestors(ScriptOutput& out, const FanScriptSettings& settings, const std::string& listPath);

enum class ScriptExport {
  Written,          // the whole script
  WithoutAncestors, // no ancestry list: complete up to the codes
  NotCreated,       // the file could not be created; nothing written
  WriteFailed,      // the file could not be written to the end
};

// The export of the session's fan chart to `scriptPath` (UTF-8): the
// settings of session.fan, the local date of session.clock, the ancestry
// list of the session. Tells the user of every failure.
ScriptExport ExportFanScript(Session& session, const std::string& scriptPath);

}  // namespace quenor
