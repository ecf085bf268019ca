#pragma once
// The enabled and checked states of the main window's menu items, kept as data
// by the session so that the desktop program applies them and the tests and the
// command-line tool can read them.
#include <array>

namespace quenor {

enum class MenuItem : int {
  // "&Ascendance"
  mAscendance, AscProbant, AscStat, AscRepet, AscEventail, AscEventailInteractif, AscGraphique, AscConsang,
  // "&Liens de parenté"
  mLiens, LiensSelect2, LiensSouches, LiensCollat, LiensDesc, LiensOrgan, LiensDegres,
  // "&Consulter" and its three submenus
  mConsulter, ConsGED, SubGEDFormatGED, SubGEDListe, SubGEDConsang,
  ConsAsc, SubAscListe, SubAscStat, SubAscRepet, SubAscGraphique, SubAscConsang,
  ConsLiens, SubLiensSouches, SubLiensCollat, SubLiensDesc, SubLiensOrgan, SubLiensDegres,
  // "&Fichier" check item
  FichAnglesInv,
  Count
};

class MenuState {
 public:
  MenuState();
  bool Enabled(MenuItem item) const { return enabled_[Index(item)]; }
  void Enable(MenuItem item, bool on = true) { enabled_[Index(item)] = on; }
  void Disable(MenuItem item) { Enable(item, false); }

  // The state after every load of a GEDCOM file.
  void ApplyAfterLoad();

 private:
  static int Index(MenuItem item) { return static_cast<int>(item); }
  std::array<bool, static_cast<int>(MenuItem::Count)> enabled_{};
};

}  // namespace quenor
