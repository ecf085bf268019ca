#include "session/menu_state.h"

#include <utility>

namespace quenor {

MenuState::MenuState() {
  enabled_.fill(true);
  // Before any load the three analysis menus are disabled.
  Disable(MenuItem::mAscendance);
  Disable(MenuItem::mLiens);
  Disable(MenuItem::mConsulter);
}

void MenuState::ApplyAfterLoad() {
  static constexpr std::pair<MenuItem, bool> kAfterLoad[] = {
      {MenuItem::mAscendance, true},     {MenuItem::AscProbant, true},
      {MenuItem::AscStat, false},        {MenuItem::AscRepet, false},
      {MenuItem::AscEventail, false},    {MenuItem::AscEventailInteractif, false},
      {MenuItem::AscGraphique, false},   {MenuItem::mLiens, true},
      {MenuItem::LiensSelect2, true},    {MenuItem::LiensSouches, false},
      {MenuItem::LiensCollat, false},    {MenuItem::LiensDesc, false},
      {MenuItem::LiensOrgan, false},     {MenuItem::mConsulter, true},
      {MenuItem::SubGEDFormatGED, true}, {MenuItem::SubGEDListe, true},
      {MenuItem::ConsAsc, false},        {MenuItem::ConsLiens, false},
      {MenuItem::AscConsang, false},     {MenuItem::LiensDegres, false},
      {MenuItem::SubGEDConsang, true},
  };
  for (const auto& [item, on] : kAfterLoad) Enable(item, on);
}

}  // namespace quenor
