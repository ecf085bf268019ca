#include "session/menu_openings.h"

#include <utility>

#include "session/session.h"

namespace quenor {

FileMenuItems FileMenuOnOpening(const ReportSlots& slots) {
  FileMenuItems items;
  items.canSave = IsViewerSlot(slots.ShownSlot());
  items.canPrint = items.canSave || slots[kSlotDocumentation].shown;
  return items;
}

void ConsultMenuOnOpening(Session& session) {
  static constexpr std::pair<MenuItem, int> kItemSlots[] = {
      {MenuItem::SubGEDFormatGED, kSlotGedcom},       {MenuItem::SubGEDListe, kSlotAlphabeticalList},
      {MenuItem::SubAscListe, kSlotAncestryList},     {MenuItem::SubAscStat, kSlotStatistics},
      {MenuItem::SubAscRepet, kSlotRepeatedAncestors}, {MenuItem::SubAscGraphique, kSlotStatistics},
      {MenuItem::SubLiensSouches, kSlotRootAncestors},
      {MenuItem::SubLiensCollat, kSlotCollateralLines}, {MenuItem::SubLiensDesc, kSlotDescentLines},
      {MenuItem::SubLiensOrgan, kSlotOrganigram},       {MenuItem::SubAscConsang, kSlotConsanguinity},
      {MenuItem::SubLiensDegres, kSlotKinshipDegrees},
  };
  for (const auto& [item, slot] : kItemSlots) session.menus.Enable(item, session.slots[slot].hasContent);
}

}  // namespace quenor
