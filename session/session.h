#pragma once
// The state of a running program: what the main window owns for the whole
// run. The desktop program's main window and the command-line tool each own
// one Session and run the very same operations on it.
#include <cstdint>
#include <string>

#include "ancestry/ancestor_table.h"
#include "ancestry/ancestry_figures.h"
#include "fanchart/fan_layout.h"
#include "gedcom/gedcom_index.h"
#include "gedcom/gedcom_loader.h"
#include "gedcom/renumbering.h"
#include "kinship/kinship_state.h"
#include "platform/clock.h"
#include "platform/user_interface.h"
#include "platform/worker_pool.h"
#include "session/menu_state.h"
#include "session/report_slots.h"

namespace quenor {

class Session {
 public:
  // `workingDirectory` is where every report file is written (UTF-8 path).
  Session(UserInterface& ui, std::string workingDirectory, const Clock& clock);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  UserInterface& ui;
  const Clock& clock;
  const std::string workingDirectory;
  const std::string runDate;  // "%04d-%02d-%02d", UTC, made at start-up

  // The loaded file.
  GedcomIndex index;
  std::string dataFolder;  // folder of the loaded file, Windows-1252
  RenumberingState renumbering;

  ReportSlots slots;
  MenuState menus;

  // Ancestry analysis.
  AncestorTable ancestors;
  int32_t probantNumber = 0;
  std::string probantName;  // format 0
  AncestryFigures ancestryFigures;  // the probant's, as Stat.TXT shows them

  // Person selection: 0 none, 1 probant, 2 fan chart confirmed, 3/4 the
  // two persons of a kinship search.
  int selectionMode = 0;
  std::string chosenLine;  // at most 49 characters of the chosen list line

  KinshipState kinship;
  FanLayout fan;

  bool anglesInverted = false;  // "&Angles inversés", kept in QROPT.DAT

  // The threads that share the load and the long reports, and how a load
  // cuts its work for them.
  WorkerPool workers;
  LoadBlockSizes loadBlocks;

  // Shorthands for the user interface.
  void Status(const std::string& text) { ui.ShowStatus(text); }
  void Message(const std::string& caption, const std::string& text, MessageIcon icon) {
    ui.ShowMessage(caption, text, icon);
  }
  const std::string& SlotPath(int slot) const { return slots[slot].path; }
};

}  // namespace quenor
