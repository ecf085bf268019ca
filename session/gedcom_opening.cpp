#include "session/gedcom_opening.h"

#include <new>

#include "gedcom/alphabetical_list.h"
#include "platform/cp1252.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

namespace {

// The results of an earlier file can no longer be consulted.
void ForgetEarlierFile(Session& session) {
  session.slots.ClearReportFlags();
  session.menus.Disable(MenuItem::mAscendance);
  session.menus.Disable(MenuItem::mLiens);
  session.menus.Disable(MenuItem::mConsulter);
  session.ui.MenusChanged();
}

void KeepLoadedFile(Session& session, const GedcomLoad& load) {
  if (load.textPath.empty()) return;
  session.slots[kSlotGedcom].path = load.textPath;
  session.slots[kSlotGedcom].hasContent = true;
  session.dataFolder = load.dataFolder;
}

bool WriteList(Session& session, GedcomLoad& load) {
  try {
    return WriteAlphabeticalList(session.SlotPath(kSlotAlphabeticalList), session.index, session.dataFolder,
                                 load.list, session.ui, session.workers);
  } catch (const std::bad_alloc&) {
    session.index.Clear();
    TellOutOfMemory(session.ui);
    return false;
  }
}

void OfferLoadedFile(Session& session, const GedcomLoad& load) {
  session.slots[kSlotAlphabeticalList].hasContent = true;
  session.menus.ApplyAfterLoad();
  session.ui.MenusChanged();
  session.Status("Préparation pour visionnement"_ansi);
  LoadReport(session, kSlotAlphabeticalList, 3);
  if (load.renumbered) {
    session.Status("Notez que la numérotation des individus diffère de celle du fichier initial"_ansi);
  }
}

}  // namespace

LoadResult LoadGedcomFile(Session& session, const std::string& path) {
  ForgetEarlierFile(session);
  GedcomLoad load = LoadGedcom(path, session.ui, session.index, session.renumbering, session.workers,
                               session.loadBlocks);
  KeepLoadedFile(session, load);
  if (load.result != LoadResult::Loaded) return load.result;
  if (!WriteList(session, load)) return LoadResult::Refused;
  TellSkippedRecords(session.ui, load.skippedWithoutNumber);
  OfferLoadedFile(session, load);
  return LoadResult::Loaded;
}

}  // namespace quenor
