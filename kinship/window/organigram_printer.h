#pragma once
// PrintOrganigram: the loaded organigram printed at the chosen scale on the
// tiled pages of one print job, with the assembly guides of every page but
// the first.
#include <string>

#include "kinship/organigram_name_fit.h"
#include "kinship/organigram_painting.h"
#include "kinship/organigram_text.h"

class QPrinter;

namespace quenor {

struct OrganigramPrintJob {
  const OrganigramText* text = nullptr;
  std::string title;  // Windows-1252
  OrganigramNames names;
  double scale = 1.0;
  int dpiX = 0;  // the printer parameters
  int dpiY = 0;
  int pagesAcross = 1;
  int pagesDown = 1;
  const OrganigramNameFit* fit = nullptr;  // the names as the window wrapped them
};

// False when the printer could not start the job (nothing printed).
bool PrintOrganigram(QPrinter& printer, const OrganigramPrintJob& job);

}  // namespace quenor
